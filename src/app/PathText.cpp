#include "PathText.h"

namespace orlivo::app {

QString IncludeTrailingSeparator(const QString& path) {
    if (path.isEmpty() || path.endsWith('/'))
        return path;
    return path + '/';
}

}  // namespace orlivo::app
