#pragma once

#include "DataFolders.h"
#include "Platform.h"

namespace orlivo::app {

// Empties the program's Temp folder at exit: everything in it ("*.*") deleted permanently, no question,
// no progress, no error shown. The folder is created when missing. True when nothing was left behind.
bool EmptyTempFolder(const platform::Platform& platform, const DataFolders& folders);

}  // namespace orlivo::app
