#include "DataFolders.h"

#include <QDir>
#include <QFileInfo>

namespace orlivo::app {

bool DataFolders::ensure(const QString& folder) {
    return QDir().mkpath(folder) && QFileInfo(folder).isDir();
}

}  // namespace orlivo::app
