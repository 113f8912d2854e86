#include "LocaleFormats.h"

#include <QRegularExpression>

namespace orlivo::platform {

LocaleFormats LocaleFormats::system() {
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        return us();
    // Qt's long time carries the time zone, which the Windows long time format has not.
    QString time = locale.timeFormat(QLocale::LongFormat);
    time.remove(QRegularExpression("\\s*t+\\s*$"));
    return {locale.dateFormat(QLocale::ShortFormat), time.trimmed(), locale};
}

QString LocaleFormats::formatDate(const QDate& d) const {
    return locale.toString(d, shortDate);
}

QString LocaleFormats::formatTime(const QTime& t) const {
    return locale.toString(t, longTime);
}

QDateTime LocaleFormats::parseDateTime(const QString& text) const {
    QDateTime t = locale.toDateTime(text, shortDate + " " + longTime);
    if (!t.isValid()) {
        // A time written in another format does not read back; the date part alone still tells the day.
        const QDate d = locale.toDate(text.section(' ', 0, 0), shortDate);
        if (d.isValid())
            t = QDateTime(d, QTime(0, 0));
    }
    return t;
}

}  // namespace orlivo::platform
