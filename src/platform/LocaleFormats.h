#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace orlivo::platform {

// The locale's short date and long time formats (Qt format strings). In the C locale, where Linux has no
// user formats, the US forms stand in: M/d/yyyy and h:mm:ss AP.
struct LocaleFormats {
    QString shortDate;
    QString longTime;
    QLocale locale = QLocale::c();  // for month and day names in the formats

    static LocaleFormats system();
    static LocaleFormats us() { return {"M/d/yyyy", "h:mm:ss AP", QLocale::c()}; }

    QString formatDate(const QDate& d) const;
    QString formatTime(const QTime& t) const;
    // A date and time written as formatDate + " " + formatTime, read back; invalid when it cannot be read.
    QDateTime parseDateTime(const QString& text) const;
};

}  // namespace orlivo::platform
