#include "FileTypes.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStyle>

namespace orlivo::platform {

QString fileTypeName(const QString& path) {
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    static const QMimeDatabase db;
    const QMimeType type = db.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    if (type.isValid() && !type.isDefault()) {
        QString comment = type.comment();
        if (!comment.isEmpty())
            comment[0] = comment[0].toUpper();
        return comment;
    }
    return suffix.isEmpty() ? QStringLiteral("File") : suffix.toUpper() + " File";
}

QIcon smallFileIcon(const QString& path) {
    static const QFileIconProvider provider;
    QIcon icon = provider.icon(QFileInfo(path));
    if (icon.isNull() && qApp)
        icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    return icon;
}

}  // namespace orlivo::platform
