#pragma once

#include <QString>

namespace orlivo::app {

// The program's folder tree below the data root. Nothing is created up front: each user of a folder
// calls ensure() just before it needs it.
class DataFolders {
public:
    explicit DataFolders(QString dataRoot) : fRoot(std::move(dataRoot)) {}

    QString root() const { return fRoot + "/ORV10"; }
    QString archives() const { return root() + "/Archives"; }
    QString system() const { return root() + "/System"; }
    QString duplicates() const { return system() + "/Duplicates"; }
    QString rescue() const { return system() + "/Rescue"; }
    QString temp() const { return root() + "/Temp"; }
    QString defaults() const { return root() + "/Default"; }

    QString settingsFile() const { return system() + "/ORV10.cfg"; }
    QString startupFile() const { return system() + "/ORV10.ini"; }
    QString deepScanTypesFile() const { return system() + "/files.include"; }
    QString debugLogFile() const { return system() + "/dbg.txt"; }

    // Creates the folder with all missing parents; true when it exists afterwards.
    static bool ensure(const QString& folder);

private:
    QString fRoot;
};

}  // namespace orlivo::app
