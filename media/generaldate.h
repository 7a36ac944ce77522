#pragma once

#include <QString>

class QDateTime;
class QLocale;

// The locale's general date: short date, one blank, long time without any time-zone part;
// a time of exactly midnight shows the date alone.
QString generalDateText(const QDateTime &dateTime, const QLocale &locale);
