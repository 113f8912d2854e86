#include "AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace orlivo::platform {

bool writeFileAtomically(const QString& path, const QByteArray& content, QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return fail("cannot create folder " + info.absolutePath());
    // QSaveFile writes to a unique temporary name, fsyncs and renames on commit; on any error it
    // discards the temporary file and the old content stays as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(content) != content.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        file.commit();
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

}  // namespace orlivo::platform
