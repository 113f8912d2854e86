#include "FileAttributes.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>

namespace orlivo::platform {
namespace {

QDateTime fromTimespec(const struct statx_timestamp& t) {
    return QDateTime::fromMSecsSinceEpoch(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

}  // namespace

std::optional<FileStatus> fileStatus(const QString& path) {
    struct statx st {};
    const QByteArray native = QFile::encodeName(path);
    if (::statx(AT_FDCWD, native.constData(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &st) !=
        0) {
        return std::nullopt;
    }
    FileStatus s;
    const QString name = QFileInfo(path).fileName();
    if (name.startsWith('.') && name != "." && name != "..")
        s.attributes |= attr::Hidden;
    if ((st.stx_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        s.attributes |= attr::ReadOnly;
    if (S_ISDIR(st.stx_mode))
        s.attributes |= attr::Directory;
    s.size = qint64(st.stx_size);
    s.lastWrite = fromTimespec(st.stx_mtime);
    s.lastAccess = fromTimespec(st.stx_atime);
    if (st.stx_mask & STATX_BTIME)
        s.creation = fromTimespec(st.stx_btime);
    return s;
}

bool setLastWriteTime(const QString& path, const QDateTime& time) {
    const qint64 ms = time.toMSecsSinceEpoch();
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = ms / 1000;
    times[1].tv_nsec = (ms % 1000) * 1000000;
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

}  // namespace orlivo::platform
