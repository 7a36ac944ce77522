#include "media/generaldate.h"

#include <QDateTime>
#include <QLocale>

namespace {

// The locale's long time format with its time-zone fields ("t") taken out, quoted text kept.
QString longTimeFormatWithoutZone(const QLocale &locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            result += c;
    }
    return result.simplified();
}

} // namespace

QString generalDateText(const QDateTime &dateTime, const QLocale &locale) {
    const QString date = locale.toString(dateTime.date(), QLocale::ShortFormat);
    const QTime time = dateTime.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date;
    return date + QLatin1Char(' ') + locale.toString(time, longTimeFormatWithoutZone(locale));
}
