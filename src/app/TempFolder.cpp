#include "TempFolder.h"

namespace orlivo::app {

bool EmptyTempFolder(const platform::Platform& platform, const DataFolders& folders) {
    if (!DataFolders::ensure(folders.temp()))
        return false;
    using platform::FileOpFlag;
    auto op = platform.fileOperation();
    op.clearSources();
    op.setFlags(FileOpFlag::NoConfirmation | FileOpFlag::Silent | FileOpFlag::NoErrorUI);
    op.addSource(folders.temp() + "/*.*");
    return op.execute();
}

}  // namespace orlivo::app
