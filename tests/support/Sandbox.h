#pragma once

#include "AppContext.h"
#include "Platform.h"
#include "ScriptedDialogs.h"

#include <QTemporaryDir>

#include <memory>

namespace orlivo::test {

// A sandboxed platform over a fresh temporary folder, with scripted dialogs and the context windows take.
struct Sandbox {
    Sandbox();

    QString root() const { return dir.path(); }
    app::DataFolders folders() const { return context->folders; }
    platform::RecordingLauncher& launcher();
    // Writes a file (creating its folder) and returns its path.
    QString writeFile(const QString& path, const QByteArray& content = "x") const;

    QTemporaryDir dir;
    std::unique_ptr<platform::Platform> platform;
    ScriptedDialogs dialogs;
    std::unique_ptr<app::AppContext> context;
};

}  // namespace orlivo::test
