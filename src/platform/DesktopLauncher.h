#pragma once

#include <QString>
#include <QStringList>

namespace orlivo::platform {

// Hands a file or folder to the desktop: its associated program, a folder window, or a web address.
class DesktopLauncher {
public:
    virtual ~DesktopLauncher() = default;
    virtual bool open(const QString& pathOrUrl) = 0;
};

// The desktop's default handlers (xdg-open through Qt).
class SystemLauncher final : public DesktopLauncher {
public:
    bool open(const QString& pathOrUrl) override;
};

// Records what would have been opened; the sandbox uses it so tests start no program.
class RecordingLauncher final : public DesktopLauncher {
public:
    bool open(const QString& pathOrUrl) override {
        opened << pathOrUrl;
        return true;
    }
    QStringList opened;
};

}  // namespace orlivo::platform
