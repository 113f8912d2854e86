#include "Sandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace orlivo::test {

Sandbox::Sandbox() : platform(platform::Platform::sandbox(dir.path())) {
    if (!dir.isValid())
        throw std::runtime_error("no temporary folder");
    context = std::make_unique<app::AppContext>(*platform, dialogs);
}

platform::RecordingLauncher& Sandbox::launcher() {
    return dynamic_cast<platform::RecordingLauncher&>(platform->launcher());
}

QString Sandbox::writeFile(const QString& path, const QByteArray& content) const {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
    return path;
}

}  // namespace orlivo::test
