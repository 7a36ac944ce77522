#include "app/commandline.h"
#include "playlistwindow.h"

#include <QProcess>

// What the reply begins with; the file is under the current folder.
struct Reading {
    QStringList arguments;
    QString reply;
    int exitStatus;
    QString file;
};

// The command line: what it answers on the terminal, and the window it starts with a file.
class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void read_data() {
        QTest::addColumn<Reading>("reading");
        const auto row = [](const char *name, const QStringList &arguments, const QString &reply,
                            int exitStatus, const QString &file = {}) {
            QTest::newRow(name) << Reading{arguments, reply, exitStatus, file};
        };
        row("nothing", {"vantrel"}, "", 0);
        row("relative file", {"vantrel", "a/../list.m3u"}, "", 0, "list.m3u");
        row("help beside a Qt option", {"vantrel", "-style", "fusion", "-h"},
            "用法：vantrel [选项] [列表文件]\n", 0);
        row("two files", {"vantrel", "a.m3u", "b.m3u"}, "vantrel：一次只能打开一个列表文件。\n", 2);
    }

    void read() {
        QFETCH(const Reading, reading);
        const CommandLine commandLine = readCommandLine(reading.arguments);
        QVERIFY2(reading.reply.isEmpty() ? commandLine.reply.isEmpty()
                                         : commandLine.reply.startsWith(reading.reply),
                 qPrintable(commandLine.reply));
        QCOMPARE(commandLine.exitStatus, reading.exitStatus);
        QCOMPARE(commandLine.file,
                 reading.file.isEmpty() ? QString() : QDir::currentPath() + u'/' + reading.file);
    }

    void startWithFile() {
        PlaylistWindow w;
        const QString list = w.make(u"歌单.m3u"_s, w.dir.filePath(u"loose.mp3"_s).toUtf8());
        QVERIFY(QDir::setCurrent(w.dir.path()));
        startWith(w.form, readCommandLine({u"vantrel"_s, u"歌单.m3u"_s}));
        QCOMPARE(w.names(), QStringList{u"loose.mp3"_s});
        QVERIFY(w.form.listname == list && w.form.windowTitle() == u"VantrelV 1.0 --- "_s + list);
        QVERIFY(w.messages().isEmpty());

        // A file that cannot be opened is told of, and the list stays as it was.
        startWith(w.form, readCommandLine({u"vantrel"_s, u"gone.m3u"_s}));
        QCOMPARE(w.messages().size(), 1);
        QVERIFY(w.messages()[0].startsWith(
            u"无法读取列表文件“%1”"_s.arg(w.dir.filePath(u"gone.m3u"_s))));
        QVERIFY(w.names().size() == 1 && w.form.listname == list);
    }

    // The program itself, where no display can be opened.
    void answersWithoutDisplay() {
        qunsetenv("QT_QPA_PLATFORM");
        qputenv("DISPLAY", "");
        qputenv("WAYLAND_DISPLAY", "");
        QProcess program;
        program.start(QStringLiteral(VANTREL_PROGRAM), {u"--version"_s});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.readAllStandardOutput(), "Vantrel 1.0.9\n");
        QVERIFY(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
