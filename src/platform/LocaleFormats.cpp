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

}  // namespace orlivo::platform
