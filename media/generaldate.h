#pragma once

#include <QHash>
#include <QLocale>
#include <QString>

class QDateTime;

// The locale's general date: short date, one blank, long time without any time-zone part;
// a time of exactly midnight shows the date alone.
//
// Rows are built by the thousand: the locale's time format is looked up once, and the date
// part once for each day, so a row's text costs no look-up in the locale.
class GeneralDate {
public:
    explicit GeneralDate(const QLocale &locale);

    QString text(const QDateTime &dateTime);

private:
    QLocale m_locale;
    QString m_timeFormat;
    QHash<qint64, QString> m_dateByDay;
};
