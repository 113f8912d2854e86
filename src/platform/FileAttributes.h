#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace orlivo::platform {

// The Windows attribute bits the program reads, as far as Linux has them.
namespace attr {
constexpr unsigned ReadOnly = 0x01;
constexpr unsigned Hidden = 0x02;
constexpr unsigned System = 0x04;  // never set on Linux
constexpr unsigned Directory = 0x10;
constexpr unsigned Archive = 0x20;  // never set on Linux
}  // namespace attr

struct FileStatus {
    unsigned attributes = 0;
    qint64 size = 0;
    QDateTime lastWrite;
    QDateTime lastAccess;
    QDateTime creation;  // the birth time where the file system records one, else invalid
};

// Hidden = the name begins with "."; read-only = nobody may write it (the permission bits, since root
// passes every access check); directory as it is. Symbolic links are not followed.
std::optional<FileStatus> fileStatus(const QString& path);
bool setLastWriteTime(const QString& path, const QDateTime& time);

}  // namespace orlivo::platform
