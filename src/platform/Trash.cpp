#include "Trash.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orlivo::platform {
namespace {

bool fail(QString* error, const QString& why) {
    if (error)
        *error = why;
    return false;
}

dev_t deviceOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_dev : dev_t(-1);
}

// The mount point holding path: the highest ancestor still on the same device.
QString topDirectory(const QString& path) {
    const dev_t device = deviceOf(path);
    QString top = QFileInfo(path).absolutePath();
    for (;;) {
        const QString parent = QFileInfo(top).absolutePath();
        if (parent == top || deviceOf(parent) != device)
            return top;
        top = parent;
    }
}

bool ensureTrashFolders(const QString& trash) {
    return QDir().mkpath(trash + "/files") && QDir().mkpath(trash + "/info");
}

QString percentEncodedPath(const QString& path) {
    return QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
}

// Reserves a unique name by creating its .trashinfo with O_EXCL, as the Trash standard requires, so two
// programs trashing equal names at once cannot overwrite each other's entries.
bool moveInto(const QString& trash, const QString& path, const QString& pathInInfo, QString* error) {
    if (!ensureTrashFolders(trash))
        return fail(error, "cannot create trash folders in " + trash);
    const QFileInfo source(path);
    const QString base = source.fileName();
    const QString info = QString("[Trash Info]\nPath=%1\nDeletionDate=%2\n")
                             .arg(percentEncodedPath(pathInInfo),
                                  QDateTime::currentDateTime().toString("yyyy-MM-ddThh:mm:ss"));
    for (int n = 1; n < 10000; ++n) {
        const QString name = n == 1 ? base : QString("%1.%2").arg(base).arg(n);
        const QByteArray infoPath = QFile::encodeName(trash + "/info/" + name + ".trashinfo");
        const int fd = ::open(infoPath.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return fail(error, QString::fromLocal8Bit(std::strerror(errno)));
        }
        const QByteArray bytes = info.toUtf8();
        const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
        const bool closed = ::close(fd) == 0;
        const QByteArray target = QFile::encodeName(trash + "/files/" + name);
        if (written && closed && ::access(target.constData(), F_OK) != 0 &&
            ::rename(QFile::encodeName(path).constData(), target.constData()) == 0) {
            return true;
        }
        const int saved = errno;
        ::unlink(infoPath.constData());
        if (written && closed && ::access(target.constData(), F_OK) == 0)
            continue;
        return fail(error, QString::fromLocal8Bit(std::strerror(saved)));
    }
    return fail(error, "no free name in trash");
}

}  // namespace

bool Trash::moveToTrash(const QString& path, QString* error) const {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (deviceOf(absolute) == dev_t(-1))
        return fail(error, "file not found: " + path);
    QDir().mkpath(fHomeTrash);
    if (deviceOf(fHomeTrash) == deviceOf(absolute))
        return moveInto(fHomeTrash, absolute, absolute, error);
    // Another mount: its own per-user trash, with the path relative to the mount point.
    const QString top = topDirectory(absolute);
    const QString trash = top + QString("/.Trash-%1").arg(::getuid());
    return moveInto(trash, absolute, QDir(top).relativeFilePath(absolute), error);
}

}  // namespace orlivo::platform
