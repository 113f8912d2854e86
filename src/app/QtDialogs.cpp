#include "QtDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace orlivo::app {

void QtDialogs::information(const QString& title, const QString& text) {
    QMessageBox::information(fOwner, title, text);
}

void QtDialogs::warning(const QString& title, const QString& text) {
    QMessageBox::warning(fOwner, title, text);
}

Answer QtDialogs::confirm(const QString& title, const QString& text, bool withCancel) {
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    switch (QMessageBox::question(fOwner, title, text, buttons)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return withCancel ? Answer::Cancel : Answer::No;
    }
}

QString QtDialogs::pickFolder(const QString& title, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(fOwner, title, startFolder);
}

QString QtDialogs::openFile(const QString& title, const QString& startFolder, const QString& filter) {
    return QFileDialog::getOpenFileName(fOwner, title, startFolder, filter);
}

QString QtDialogs::saveFile(const QString& title, const QString& startPath, const QString& filter) {
    return QFileDialog::getSaveFileName(fOwner, title, startPath, filter);
}

bool QtDialogs::inputText(const QString& title, const QString& prompt, QString& value, bool password) {
    bool ok = false;
    const QString text = QInputDialog::getText(
        fOwner, title, prompt, password ? QLineEdit::Password : QLineEdit::Normal, value, &ok);
    if (ok)
        value = text;
    return ok;
}

}  // namespace orlivo::app
