#pragma once

#include <QString>

namespace orlivo::app {

// Appends the path separator to a non-empty path that does not end in one; an empty path stays empty.
QString IncludeTrailingSeparator(const QString& path);

}  // namespace orlivo::app
