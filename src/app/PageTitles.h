#pragma once

#include <QString>

namespace orlivo::app {

// The pages of the main window, by index; an action's tag is the index of the page it opens.
enum MainPage : int {
    PageAbout = 0,
    PageShredder = 1,
    PageZipManager = 2,
    PageSettings = 3,
    PageDuplicates = 4,
    PageJunkFiles = 5,
    PageStartUp = 6,
    PageFindFiles = 7,
    MainPageCount = 8,
};

// The title shown above a page, by the opening action's tag; any other tag reads "Orlivo".
QString PageTitleForTag(int tag);

}  // namespace orlivo::app
