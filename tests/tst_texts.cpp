#include "media/generaldate.h"
#include "platform/codepage.h"
#include "platform/commondialog.h"

#include "fakeplatform.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>

// The general date, and the code page with the byte counts of the file dialog.
class TestTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void generalDate_data();
    void generalDate();
    void codePageRefusesWhatItCannotHold();
    void selectionLength_data();
    void selectionLength();
    void dialogBufferLimit();
};

void TestTexts::generalDate_data() {
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

void TestTexts::generalDate() {
    QFETCH(QString, locale);
    QFETCH(QDateTime, dateTime);
    QFETCH(QString, expected);
    QCOMPARE(generalDateText(dateTime, QLocale(locale)), expected);
}

void TestTexts::codePageRefusesWhatItCannotHold() {
    const QString chinese = QStringLiteral("歌曲");
    QCOMPARE(CodePage("UTF-8").encode(chinese), chinese.toUtf8());
    QCOMPARE(CodePage("GB18030").encode(chinese), QByteArray("\xb8\xe8\xc7\xfa"));
    QCOMPARE(CodePage("GBK").encode(QStringLiteral("音乐😀")), std::nullopt);
    QCOMPARE(CodePage("UTF-8").decode("\xb8\xe8\xc7\xfa"), std::nullopt);
    QCOMPARE(CodePage("GB18030").decode("\xb8\xe8\xc7\xfa"), chinese);
}

void TestTexts::selectionLength_data() {
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<int>("expected");

    QTest::newRow("one path") << QStringList{"/m/a.mp3"} << QByteArray("UTF-8") << 9;
    // "/m a.mp3 bb.mp3" and the terminating zero
    QTest::newRow("folder and names")
        << QStringList{"/m/a.mp3", "/m/bb.mp3"} << QByteArray("UTF-8") << 16;
    // "/ a b"
    QTest::newRow("root folder") << QStringList{"/a", "/b"} << QByteArray("UTF-8") << 6;
    QTest::newRow("chinese in utf-8") << QStringList{"/歌.mp3"} << QByteArray("UTF-8") << 9;
    QTest::newRow("chinese in gbk") << QStringList{"/歌.mp3"} << QByteArray("GB18030") << 8;
}

void TestTexts::selectionLength() {
    QFETCH(QStringList, paths);
    QFETCH(QByteArray, charset);
    QFETCH(int, expected);
    QCOMPARE(selectionTextLength(paths, CodePage(charset)), expected);
}

void TestTexts::dialogBufferLimit() {
    FakeFileDialog backend;
    const CodePage codePage("UTF-8");
    CommonDialog cd(backend, codePage);

    // 259 bytes of path and the terminating zero fill the 260-byte buffer exactly.
    const QString fits = QLatin1Char('/') + QString(258, QLatin1Char('a'));
    backend.openAnswers = {{fits}, {fits + QLatin1Char('b')}};
    QCOMPARE(cd.ShowOpen(), 0);
    QCOMPARE(cd.FileName, fits);
    QCOMPARE(cd.Selection, QStringList{fits});

    cd.FileName.clear();
    QCOMPARE(cd.ShowOpen(), CommonDialog::BufferTooSmallError);
    QCOMPARE(cd.FileName, QString());
    QVERIFY(cd.Selection.isEmpty());
}

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
