#pragma once

#include "DataFolders.h"
#include "Dialogs.h"
#include "Platform.h"

namespace orlivo::app {

// What every window is handed at creation: the platform, the dialogs service and the folder tree.
struct AppContext {
    platform::Platform& platform;
    Dialogs& dialogs;
    DataFolders folders;

    AppContext(platform::Platform& p, Dialogs& d)
        : platform(p), dialogs(d), folders(p.locations().dataRoot) {}
};

}  // namespace orlivo::app
