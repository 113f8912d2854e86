#include "Locations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <unistd.h>

namespace orlivo::platform {
namespace {

QString envPath(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() || !QDir::isAbsolutePath(value) ? fallback : QDir::cleanPath(value);
}

// XDG_DESKTOP_DIR lives in user-dirs.dirs as a shell assignment such as
// XDG_DESKTOP_DIR="$HOME/Desktop"; only $HOME-relative and absolute forms are valid there.
QString desktopFromUserDirs(const QString& configHome, const QString& home) {
    QFile file(configHome + "/user-dirs.dirs");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.startsWith("XDG_DESKTOP_DIR="))
            continue;
        QString value = line.mid(int(sizeof("XDG_DESKTOP_DIR=")) - 1);
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        if (value.startsWith("$HOME"))
            value = home + value.mid(5);
        if (QDir::isAbsolutePath(value))
            return QDir::cleanPath(value);
    }
    return {};
}

QString programFolderOrCurrent() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

}  // namespace

Locations Locations::fromEnvironment() {
    Locations l;
    l.home = QDir::cleanPath(QDir::homePath());
    l.configHome = envPath("XDG_CONFIG_HOME", l.home + "/.config");
    l.dataHome = envPath("XDG_DATA_HOME", l.home + "/.local/share");
    QString desktop = desktopFromUserDirs(l.configHome, l.home);
    l.desktop = desktop.isEmpty() ? l.home + "/Desktop" : desktop;
    l.recent = l.dataHome + "/RecentDocuments";
    l.autostart = l.configHome + "/autostart";
    l.commonAutostart = "/etc/xdg/autostart";
    // The machine-wide folder is only usable by an administrator, as on Windows where the manifest asks
    // for those rights; an ordinary user keeps the program's data in their own data home.
    l.dataRoot = ::access("/var/lib", W_OK) == 0 ? QString("/var/lib") : l.dataHome;
    l.windowsFolder = l.dataRoot + "/ORV10/Windows";
    l.temp = QDir::cleanPath(QDir::tempPath());
    l.systemDriveRoot = "/";
    l.homeTrash = l.dataHome + "/Trash";
    l.programFolder = programFolderOrCurrent();
    return l;
}

Locations Locations::sandbox(const QString& root) {
    const QString r = QDir::cleanPath(root);
    Locations l;
    l.home = r + "/home";
    l.configHome = l.home + "/.config";
    l.dataHome = l.home + "/.local/share";
    l.desktop = l.home + "/Desktop";
    l.recent = l.dataHome + "/RecentDocuments";
    l.autostart = l.configHome + "/autostart";
    l.commonAutostart = r + "/etc/xdg/autostart";
    l.dataRoot = r + "/var/lib";
    l.windowsFolder = l.dataRoot + "/ORV10/Windows";
    l.temp = r + "/tmp";
    l.systemDriveRoot = r + "/root";
    l.homeTrash = l.dataHome + "/Trash";
    l.programFolder = r + "/program";
    return l;
}

}  // namespace orlivo::platform
