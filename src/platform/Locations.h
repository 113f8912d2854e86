#pragma once

#include <QString>

namespace orlivo::platform {

// Every place on disk the program may use, resolved once. The Linux backend fills it from the XDG
// environment; the sandbox points every entry into one temporary folder so tests never touch the real
// home directory, /etc or /var.
struct Locations {
    QString dataRoot;         // all-users application data, without a trailing separator
    QString home;             // the profile folder
    QString desktop;          // XDG desktop directory
    QString configHome;       // roaming application data
    QString dataHome;         // local application data
    QString recent;           // recently used documents
    QString autostart;        // the user's Startup folder
    QString commonAutostart;  // the all-users Startup folder
    QString windowsFolder;    // emulated Windows folder holding WIN.INI
    QString temp;             // the system's temporary folder
    QString systemDriveRoot;  // what C:\ is on Windows
    QString homeTrash;        // freedesktop home trash ($XDG_DATA_HOME/Trash)
    QString programFolder;    // the folder of the executable (help pages)

    static Locations fromEnvironment();
    static Locations sandbox(const QString& root);
};

}  // namespace orlivo::platform
