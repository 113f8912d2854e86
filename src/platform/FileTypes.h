#pragma once

#include <QIcon>
#include <QString>

namespace orlivo::platform {

// The shell's type name of a file by its extension alone (the file is not opened), e.g. "Text Document"
// on Windows, "plain text document" here. An unknown extension reads "XYZ File", none at all "File".
QString fileTypeName(const QString& path);

// The small icon the desktop shows for a file; never null.
QIcon smallFileIcon(const QString& path);

}  // namespace orlivo::platform
