#pragma once

#include "Dialogs.h"

namespace orlivo::app {

// The dialogs service with Qt's message boxes and file dialogs.
class QtDialogs final : public Dialogs {
public:
    void information(const QString& title, const QString& text) override;
    void warning(const QString& title, const QString& text) override;
    Answer confirm(const QString& title, const QString& text, bool withCancel) override;
    QString pickFolder(const QString& title, const QString& startFolder) override;
    QString openFile(const QString& title, const QString& startFolder, const QString& filter) override;
    QString saveFile(const QString& title, const QString& startPath, const QString& filter) override;
    bool inputText(const QString& title, const QString& prompt, QString& value, bool password) override;
};

}  // namespace orlivo::app
