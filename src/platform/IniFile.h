#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace orlivo::platform {

// A private-profile (INI) file with the semantics of the Windows profile API: section and key names
// compare case-insensitively, the first of duplicate keys wins, surrounding blanks are trimmed, and a value
// quoted as a whole reads back without its quotes. A missing or unreadable file reads as empty, so every
// lookup yields its default. Changes stay in memory until save(), which replaces the file atomically and
// keeps comments and the order of everything it did not change.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return fPath; }
    // Re-reads the file; returns false when it is missing or unreadable (the content is then empty).
    bool reload();
    bool save(QString* error = nullptr);

    QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // Decimal or $/0x hexadecimal; anything else yields the default.
    qint64 readInteger(const QString& section, const QString& key, qint64 defaultValue) const;
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, qint64 value);
    void writeBool(const QString& section, const QString& key, bool value);

    bool sectionExists(const QString& section) const;
    bool valueExists(const QString& section, const QString& key) const;
    QStringList sections() const;
    QStringList keys(const QString& section) const;
    void deleteKey(const QString& section, const QString& key);
    void eraseSection(const QString& section);

private:
    struct Line {
        QString text;  // exactly as it stands in the file
        QString key;   // empty for comments and blank lines
        QString value;
    };
    struct Section {
        QString name;  // empty for lines before the first header
        std::vector<Line> lines;
    };

    const Section* findSection(const QString& name) const;
    Section* findSection(const QString& name);
    Section& sectionForWrite(const QString& name);
    void parse(const QString& content);

    QString fPath;
    std::vector<Section> fSections;
};

}  // namespace orlivo::platform
