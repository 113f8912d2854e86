#include "ShellFileOperation.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace orlivo::platform {
namespace {

bool isWildcard(const QString& name) {
    return name.contains('*') || name.contains('?');
}

QRegularExpression patternFor(const QString& mask) {
    // "*.*" is the shell's "every name", including names without a dot.
    const QString effective = mask == "*.*" ? QStringLiteral("*") : mask;
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(
                                  effective, QRegularExpression::UnanchoredWildcardConversion),
                              QRegularExpression::CaseInsensitiveOption);
}

bool exactMatch(const QRegularExpression& re, const QString& name) {
    const auto m =
        re.match(name, 0, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    return m.hasMatch() && m.capturedLength() == name.size();
}

bool removeNow(const QString& path, bool recursive, QString* error) {
    const QFileInfo info(path);
    const QByteArray native = QFile::encodeName(path);
    if (info.isDir() && !info.isSymLink()) {
        if (recursive) {
            const auto entries = QDir(path).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                          QDir::Hidden | QDir::System);
            for (const QFileInfo& child : entries) {
                if (!removeNow(child.absoluteFilePath(), true, error))
                    return false;
            }
        }
        if (::rmdir(native.constData()) == 0)
            return true;
    } else if (::unlink(native.constData()) == 0) {
        return true;
    }
    if (error)
        *error = QString("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

}  // namespace

QStringList ShellFileOperation::expandedItems() {
    QStringList items;
    const bool recurse = !fFlags.has(FileOpFlag::NoRecursion);
    const bool filesOnly = fFlags.has(FileOpFlag::FilesOnly);
    // Collects matches of one pattern in folder and, unless told not to, in its subfolders that are not
    // themselves deleted whole.
    std::function<void(const QString&, const QRegularExpression&)> collect =
        [&](const QString& folder, const QRegularExpression& re) {
            const auto entries = QDir(folder).entryInfoList(
                QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
            for (const QFileInfo& e : entries) {
                const bool folderEntry = e.isDir() && !e.isSymLink();
                const bool matched = exactMatch(re, e.fileName());
                if (matched && !(folderEntry && filesOnly)) {
                    items << e.absoluteFilePath();
                } else if (folderEntry && recurse) {
                    collect(e.absoluteFilePath(), re);
                }
            }
        };
    for (const QString& source : fSources) {
        const QFileInfo info(source);
        if (isWildcard(info.fileName())) {
            collect(info.absolutePath(), patternFor(info.fileName()));
        } else {
            items << source;
        }
    }
    return items;
}

bool ShellFileOperation::deleteItem(const QString& path, QString* error) const {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        if (error)
            *error = "Cannot delete " + path + ": file not found.";
        return false;
    }
    if (fFlags.has(FileOpFlag::AllowUndo))
        return fTrash.moveToTrash(path, error);
    // With no recursion a folder named for deletion must already be empty; its contents are never removed.
    return removeNow(path, !fFlags.has(FileOpFlag::NoRecursion), error);
}

void ShellFileOperation::report(const QString& message) {
    if (!fFlags.has(FileOpFlag::NoErrorUI) && fUi.showError)
        fUi.showError(message);
}

bool ShellFileOperation::execute() {
    fFailures.clear();
    const QStringList items = expandedItems();
    if (items.isEmpty())
        return true;
    if (!fFlags.has(FileOpFlag::NoConfirmation)) {
        const bool yes =
            fUi.confirmDelete && fUi.confirmDelete(items.size(), fFlags.has(FileOpFlag::AllowUndo));
        if (!yes)
            return false;
    }
    const bool showProgress = !fFlags.has(FileOpFlag::Silent) && fUi.progress;
    const bool withNames = !fFlags.has(FileOpFlag::SimpleProgress);
    for (int i = 0; i < items.size(); ++i) {
        if (showProgress)
            fUi.progress(withNames ? items[i] : QString(), i, int(items.size()));
        QString error;
        if (!deleteItem(items[i], &error)) {
            fFailures << items[i];
            report(error);
        }
    }
    if (showProgress)
        fUi.progress(QString(), int(items.size()), int(items.size()));
    return fFailures.isEmpty();
}

}  // namespace orlivo::platform
