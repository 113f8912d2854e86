#pragma once

#include "Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

namespace orlivo::test {

// The dialogs service of tests: records every title and text shown and hands out prepared answers in
// order. An unprepared question is answered No (or cancelled), and recorded.
class ScriptedDialogs final : public app::Dialogs {
public:
    struct Shown {
        QString kind;  // "information", "warning", "confirm", "pickFolder", ...
        QString title;
        QString text;
    };

    void information(const QString& title, const QString& text) override;
    void warning(const QString& title, const QString& text) override;
    app::Answer confirm(const QString& title, const QString& text, bool withCancel) override;
    QString pickFolder(const QString& title, const QString& startFolder) override;
    QString openFile(const QString& title, const QString& startFolder, const QString& filter) override;
    QString saveFile(const QString& title, const QString& startPath, const QString& filter) override;
    bool inputText(const QString& title, const QString& prompt, QString& value, bool password) override;

    std::deque<app::Answer> answers;
    std::deque<QString> paths;   // for pickers; an empty string cancels
    std::deque<QString> inputs;  // for input boxes
    QList<Shown> shown;

    QStringList texts() const;
};

}  // namespace orlivo::test
