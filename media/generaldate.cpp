#include "media/generaldate.h"

#include <QDateTime>
#include <QStringBuilder>

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

GeneralDate::GeneralDate(const QLocale &locale)
    : m_locale(locale)
    , m_timeFormat(longTimeFormatWithoutZone(locale)) {}

QString GeneralDate::text(const QDateTime &dateTime) {
    const QDate day = dateTime.date();
    auto date = m_dateByDay.constFind(day.toJulianDay());
    if (date == m_dateByDay.cend())
        date = m_dateByDay.insert(day.toJulianDay(), m_locale.toString(day, QLocale::ShortFormat));
    const QTime time = dateTime.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return *date;
    return *date % QLatin1Char(' ') % m_locale.toString(time, m_timeFormat);
}
