#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace orlivo::platform {
class IniFile;
}

namespace orlivo::app {

// Keeps a window's chosen properties in the settings file: one value per stored property, named by
// component and property, under the storage path. Values pass as text; a property whose key is missing
// (or whose text it rejects) keeps the value it was built with, which is its default.
class FormStorage {
public:
    struct Property {
        QString component;
        QString property;
        std::function<QString()> read;
        std::function<void(const QString&)> apply;
    };

    explicit FormStorage(QString formName, QString storagePath = QStringLiteral("System"));

    void setFileName(const QString& path) { fFileName = path; }
    const QString& fileName() const { return fFileName; }
    void add(Property p) { fProperties.push_back(std::move(p)); }

    // Every stored value of the file applied to its property; a missing or unreadable file applies nothing.
    void restore();
    // Re-reads the file and writes this window's values into it, so that other windows' values stay;
    // replaces the file atomically.
    bool save();
    bool restored() const { return fRestored; }
    void restoreOnce() {
        if (!fRestored)
            restore();
    }

    QString keyOf(const Property& p) const;

private:
    QString fFormName;
    QString fStoragePath;
    QString fFileName;
    std::vector<Property> fProperties;
    bool fRestored = false;
};

}  // namespace orlivo::app
