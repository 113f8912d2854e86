#include "TempFolder.h"

#include "ShellOptionSets.h"

namespace orlivo::app {

bool EmptyTempFolder(const platform::Platform& platform, const DataFolders& folders) {
    if (!DataFolders::ensure(folders.temp()))
        return false;
    auto op = platform.fileOperation();
    op.clearSources();
    op.setFlags(shellsets::EmptyTemp);
    op.addSource(folders.temp() + "/*.*");
    return op.execute();
}

}  // namespace orlivo::app
