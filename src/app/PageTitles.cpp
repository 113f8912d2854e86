#include "PageTitles.h"

namespace orlivo::app {

QString PageTitleForTag(int tag) {
    switch (tag) {
        case PageAbout:
            return "About ORV";
        case PageShredder:
            return "File shedder";
        case PageZipManager:
            return "Zip file manager";
        case PageSettings:
            return "Settings";
        case PageDuplicates:
            return "Duplicate files manager";
        case PageJunkFiles:
            return "Cleaner and optimizer";
        case PageStartUp:
            return "Startup manager";
        case PageFindFiles:
            return "Search for files";
        default:
            return "Orlivo";
    }
}

}  // namespace orlivo::app
