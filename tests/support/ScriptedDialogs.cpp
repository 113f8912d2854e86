#include "ScriptedDialogs.h"

namespace orlivo::test {
namespace {

template <typename T>
bool take(std::deque<T>& queue, T& out) {
    if (queue.empty())
        return false;
    out = queue.front();
    queue.pop_front();
    return true;
}

}  // namespace

void ScriptedDialogs::information(const QString& title, const QString& text) {
    shown << Shown{"information", title, text};
}

void ScriptedDialogs::warning(const QString& title, const QString& text) {
    shown << Shown{"warning", title, text};
}

app::Answer ScriptedDialogs::confirm(const QString& title, const QString& text, bool withCancel) {
    shown << Shown{"confirm", title, text};
    app::Answer a = withCancel ? app::Answer::Cancel : app::Answer::No;
    take(answers, a);
    return a;
}

QString ScriptedDialogs::pickFolder(const QString& title, const QString&) {
    shown << Shown{"pickFolder", title, {}};
    QString p;
    take(paths, p);
    return p;
}

QString ScriptedDialogs::openFile(const QString& title, const QString&, const QString&) {
    shown << Shown{"openFile", title, {}};
    QString p;
    take(paths, p);
    return p;
}

QString ScriptedDialogs::saveFile(const QString& title, const QString&, const QString&) {
    shown << Shown{"saveFile", title, {}};
    QString p;
    take(paths, p);
    return p;
}

bool ScriptedDialogs::inputText(const QString& title, const QString& prompt, QString& value, bool) {
    shown << Shown{"inputText", title, prompt};
    return take(inputs, value);
}

QStringList ScriptedDialogs::texts() const {
    QStringList list;
    for (const Shown& s : shown) list << s.text;
    return list;
}

}  // namespace orlivo::test
