#include "IniFile.h"

#include "AtomicFile.h"

#include <QFile>

#include <algorithm>

namespace orlivo::platform {
namespace {

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString unquoted(const QString& value) {
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == '"' || first == '\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

// A value the reader would alter (blanks at either end, or wrapped in quotes) is written quoted, so
// that it reads back exactly. A line break cannot be stored in a line-based file; it becomes a blank.
QString encoded(QString value) {
    value.replace('\r', ' ').replace('\n', ' ');
    const bool changedByReading = value != value.trimmed() || unquoted(value) != value;
    return changedByReading ? '"' + value + '"' : value;
}

}  // namespace

IniFile::IniFile(QString path) : fPath(std::move(path)) {
    reload();
}

bool IniFile::reload() {
    fSections.clear();
    QFile file(fPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    parse(QString::fromUtf8(file.readAll()));
    return file.error() == QFileDevice::NoError;
}

void IniFile::parse(const QString& content) {
    fSections.push_back(Section{});
    for (QString text : content.split('\n')) {
        if (text.endsWith('\r'))
            text.chop(1);
        const QString trimmed = text.trimmed();
        if (trimmed.startsWith('[')) {
            const int close = trimmed.indexOf(']');
            fSections.push_back(
                Section{(close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed(), {}});
            continue;
        }
        Line line{text, {}, {}};
        const int eq = trimmed.indexOf('=');
        if (eq > 0 && !trimmed.startsWith(';')) {
            line.key = trimmed.left(eq).trimmed();
            line.value = unquoted(trimmed.mid(eq + 1).trimmed());
        }
        fSections.back().lines.push_back(std::move(line));
    }
    // The split leaves one empty line after a final line break; it is not part of the file.
    auto& last = fSections.back().lines;
    if (!last.empty() && last.back().text.isEmpty())
        last.pop_back();
}

bool IniFile::save(QString* error) {
    QString out;
    for (const Section& section : fSections) {
        if (&section != &fSections.front() || !section.name.isEmpty())
            out += '[' + section.name + "]\n";
        for (const Line& line : section.lines) out += line.text + '\n';
    }
    return writeFileAtomically(fPath, out.toUtf8(), error);
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    for (const Section& s : fSections) {
        if (&s != &fSections.front() && sameName(s.name, name))
            return &s;
    }
    return nullptr;
}

IniFile::Section* IniFile::findSection(const QString& name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

IniFile::Section& IniFile::sectionForWrite(const QString& name) {
    if (fSections.empty())
        fSections.push_back(Section{});
    if (Section* s = findSection(name))
        return *s;
    fSections.push_back(Section{name, {}});
    return fSections.back();
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const {
    if (const Section* s = findSection(section)) {
        for (const Line& line : s->lines) {
            if (!line.key.isEmpty() && sameName(line.key, key))
                return line.value;
        }
    }
    return defaultValue;
}

qint64 IniFile::readInteger(const QString& section, const QString& key, qint64 defaultValue) const {
    const QString text = readString(section, key, {}).trimmed();
    if (text.isEmpty())
        return defaultValue;
    bool ok = false;
    qint64 value = 0;
    const bool negative = text.startsWith('-');
    const QString digits = negative ? text.mid(1) : text;
    if (digits.startsWith('$')) {
        value = digits.mid(1).toLongLong(&ok, 16);
    } else if (digits.startsWith("0x", Qt::CaseInsensitive)) {
        value = digits.mid(2).toLongLong(&ok, 16);
    } else {
        value = digits.toLongLong(&ok, 10);
    }
    if (!ok)
        return defaultValue;
    return negative ? -value : value;
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    Section& s = sectionForWrite(section);
    for (Line& line : s.lines) {
        if (!line.key.isEmpty() && sameName(line.key, key)) {
            line = Line{line.key + '=' + encoded(value), line.key, unquoted(encoded(value))};
            return;
        }
    }
    const QString text = key + '=' + encoded(value);
    // New keys go after the section's last entry, before any trailing blank lines.
    auto at = s.lines.end();
    while (at != s.lines.begin() && std::prev(at)->text.trimmed().isEmpty()) --at;
    s.lines.insert(at, Line{text, key, unquoted(encoded(value))});
}

void IniFile::writeInteger(const QString& section, const QString& key, qint64 value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

bool IniFile::sectionExists(const QString& section) const {
    return findSection(section) != nullptr;
}

bool IniFile::valueExists(const QString& section, const QString& key) const {
    return keys(section).contains(key, Qt::CaseInsensitive);
}

QStringList IniFile::sections() const {
    QStringList names;
    for (const Section& s : fSections) {
        if (&s != &fSections.front() && !names.contains(s.name, Qt::CaseInsensitive))
            names << s.name;
    }
    return names;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList names;
    if (const Section* s = findSection(section)) {
        for (const Line& line : s->lines) {
            if (!line.key.isEmpty() && !names.contains(line.key, Qt::CaseInsensitive))
                names << line.key;
        }
    }
    return names;
}

void IniFile::deleteKey(const QString& section, const QString& key) {
    if (Section* s = findSection(section)) {
        std::erase_if(s->lines, [&](const Line& l) { return !l.key.isEmpty() && sameName(l.key, key); });
    }
}

void IniFile::eraseSection(const QString& section) {
    if (fSections.empty())
        return;
    fSections.erase(std::remove_if(std::next(fSections.begin()), fSections.end(),
                                   [&](const Section& s) { return sameName(s.name, section); }),
                    fSections.end());
}

}  // namespace orlivo::platform
