#include "media/generaldate.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>

// The general date: the date, and the time unless it is exactly midnight.
class TestTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void generalDate_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("dateTime");
        QTest::addColumn<QString>("expected");

        const QDate date(2026, 3, 7);
        QTest::newRow("chinese afternoon")
            << "zh_CN" << QDateTime(date, QTime(13, 5, 9)) << "2026/3/7 13:05:09";
        QTest::newRow("chinese midnight") << "zh_CN" << QDateTime(date, QTime(0, 0)) << "2026/3/7";
        QTest::newRow("chinese one second past")
            << "zh_CN" << QDateTime(date, QTime(0, 0, 1)) << "2026/3/7 00:00:01";
        QTest::newRow("english afternoon")
            << "en_US" << QDateTime(date, QTime(13, 5, 9)) << "3/7/26 1:05:09 PM";
        QTest::newRow("english midnight") << "en_US" << QDateTime(date, QTime(0, 0)) << "3/7/26";
    }
    void generalDate() {
        QFETCH(QString, locale);
        QFETCH(QDateTime, dateTime);
        QFETCH(QString, expected);
        // A text built earlier for another time of the same day changes nothing.
        GeneralDate dates{QLocale(locale)};
        dates.text(dateTime.addSecs(1));
        QCOMPARE(dates.text(dateTime), expected);
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
