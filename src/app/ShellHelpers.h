#pragma once

#include "ImageList.h"

#include <QString>

#include <cstdint>
#include <stdexcept>

class QComboBox;
class QWidget;

namespace orlivo::platform {
class Platform;
}

namespace orlivo::app {

class TWork_f;

// An operating-system error passed on to the caller, as the shell helpers raise it.
class OsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The shell's type name of an existing file, by its extension. Raises OsError when the file is missing.
// With isFilter, the name is also added to the filter box (unless already there, compared
// case-insensitively) and the box's first entry selected.
QString GetFileType(const QString& S, bool isFilter = false, QComboBox* cbFilter = nullptr);

// Appends the file's small icon to the image list and returns its index; every call appends a new icon.
// -1 on any failure. The list view is accepted and ignored.
int GetImageIndex(const QString& strPath, QWidget* ListView, ImageList& imageList);

// The path of a special folder followed by the separator; 0 on success, else the shell's result code
// with Location unchanged.
std::uint32_t GetSpecialFolder(const platform::Platform& platform, int aFolder, QString& Location);

// Opens a file with its associated program while the busy window is shown. Failures are not reported.
void OpenExternally(platform::Platform& platform, TWork_f* work, const QString& path);
// Opens the folder holding the file (the file itself is not selected).
void OpenFileLocation(platform::Platform& platform, TWork_f* work, const QString& path);
// The properties of a file in a small dialog of the program's own, with the hourglass while it opens.
void ShowFileProperties(const QString& path, QWidget* owner);

}  // namespace orlivo::app
