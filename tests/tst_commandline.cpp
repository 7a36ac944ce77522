#include "app/commandline.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// The command line: what it answers on the terminal, and the window it starts with a file.
class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
    void startWithFile();
    void answersWithoutDisplay();
};

// What the reply begins with; the file is under the current folder.
struct Reading {
    QStringList arguments;
    QString reply;
    int exitStatus;
    QString file;
};

void TestCommandLine::read_data() {
    QTest::addColumn<Reading>("reading");
    const QString usage = u"用法：vantrel [选项] [列表文件]\n"_s;
    QTest::newRow("nothing") << Reading{{"vantrel"}, "", 0, ""};
    QTest::newRow("relative file") << Reading{{"vantrel", "a/../list.m3u"}, "", 0, "list.m3u"};
    QTest::newRow("help beside a Qt option")
        << Reading{{"vantrel", "-style", "fusion", "-h"}, usage, 0, ""};
    QTest::newRow("unknown option")
        << Reading{{"vantrel", "--bogus", "a.m3u"},
                   "vantrel：不认识的选项“bogus”。\n用 vantrel --help 查看用法。\n",
                   2,
                   ""};
    QTest::newRow("two files") << Reading{
        {"vantrel", "a.m3u", "b.m3u"}, "vantrel：一次只能打开一个列表文件。\n", 2, ""};
}

void TestCommandLine::read() {
    QFETCH(const Reading, reading);
    const CommandLine commandLine = readCommandLine(reading.arguments);
    QVERIFY2(reading.reply.isEmpty() ? commandLine.reply.isEmpty()
                                     : commandLine.reply.startsWith(reading.reply),
             qPrintable(commandLine.reply));
    QCOMPARE(commandLine.exitStatus, reading.exitStatus);
    QCOMPARE(commandLine.file,
             reading.file.isEmpty() ? QString() : QDir::currentPath() + u'/' + reading.file);
}

void TestCommandLine::startWithFile() {
    QTemporaryDir dir;
    const QString list = dir.filePath(u"歌单.m3u"_s), song = dir.filePath(u"a.mp3"_s);
    QFile listFile(list);
    QVERIFY(QFile(song).open(QIODevice::WriteOnly) && listFile.open(QIODevice::WriteOnly));
    QVERIFY(listFile.write(song.toUtf8() + '\n') > 0 && listFile.flush());
    FakePlatform fakes;
    frmmain window(fakes.platform);
    QVERIFY(QDir::setCurrent(dir.path()));

    startWith(window, readCommandLine({u"vantrel"_s, u"歌单.m3u"_s}));
    QVERIFY(window.model().rowCount() == 1 && window.model().entry(0).path == song);
    QVERIFY(window.listname == list && window.windowTitle() == u"VantrelV 1.0 --- "_s + list);
    QVERIFY(fakes.messageBoxes->shown.isEmpty());

    // A file that cannot be opened is told of, and the list stays as it was.
    startWith(window, readCommandLine({u"vantrel"_s, u"gone.m3u"_s}));
    QCOMPARE(fakes.messageBoxes->shown.size(), 1);
    QVERIFY(fakes.messageBoxes->shown[0].text.startsWith(
        u"无法读取列表文件“%1”"_s.arg(dir.filePath(u"gone.m3u"_s))));
    QVERIFY(window.model().rowCount() == 1 && window.listname == list);
}

// The program itself, where no display can be opened.
void TestCommandLine::answersWithoutDisplay() {
    qunsetenv("QT_QPA_PLATFORM");
    qputenv("DISPLAY", "");
    qputenv("WAYLAND_DISPLAY", "");
    QProcess program;
    program.start(QStringLiteral(VANTREL_PROGRAM), {u"--version"_s});
    QVERIFY(program.waitForFinished());
    QCOMPARE(program.readAllStandardOutput(), "Vantrel 1.0.9\n");
    QVERIFY(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0);
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
