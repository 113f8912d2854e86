#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace orlivo::app {

enum class Answer { Yes, No, Cancel };

// Every message box, question, picker and input box of the program goes through this service, so that
// tests can script the answers and read the exact texts shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void information(const QString& title, const QString& text) = 0;
    virtual void warning(const QString& title, const QString& text) = 0;
    // Yes/No, or Yes/No/Cancel when withCancel.
    virtual Answer confirm(const QString& title, const QString& text, bool withCancel = false) = 0;
    // Empty when the user cancels.
    virtual QString pickFolder(const QString& title, const QString& startFolder) = 0;
    virtual QString openFile(const QString& title, const QString& startFolder, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& startPath, const QString& filter) = 0;
    // False when the user cancels.
    virtual bool inputText(const QString& title, const QString& prompt, QString& value,
                           bool password = false) = 0;

    // The window dialogs are owned by; may be null.
    void setOwner(QWidget* owner) { fOwner = owner; }

protected:
    QWidget* fOwner = nullptr;
};

}  // namespace orlivo::app
