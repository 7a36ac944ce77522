#include "playlistwindow.h"
#include "smalldisk.h"

#include <QStringEncoder>

#include <sys/stat.h>

// What the playlist commands do with the disk and with files that are not what they seem: a
// full disk, a file replaced under a hard link, FIFOs, devices, folders, huge files, byte-order
// marks, endless paths.
class TestFileSafety : public QObject {
    Q_OBJECT

    std::unique_ptr<PlaylistWindow> w;

private Q_SLOTS:
    void init() { w = std::make_unique<PlaylistWindow>(); }

    void fullDiskKeepsTheOldFileAndTheUnsavedState() {
        const QString disk = w->dir.filePath(u"disk"_s);
        const SmallDisk small(disk);
        if (!small.refusal.isEmpty())
            QSKIP(qPrintable(small.refusal));
        // The list and the filler leave no room for a new copy of the list.
        const QByteArray bytes =
            "#EXTM3U\r\n" + (w->make(u"歌.mp3"_s).toUtf8() + "\r\n").repeated(630);
        const QString list = w->make(u"disk/list.m3u"_s, bytes);
        w->make(u"disk/filler"_s, QByteArray(12 * 1024, 'x'));
        w->open(list);
        QCOMPARE(w->form.model().rowCount(), 630);
        const QString caption = w->form.windowTitle();

        w->item("munfilesave")->trigger();
        QCOMPARE(w->messages().size(), 1);
        QCOMPARE(w->messages()[0], u"无法写入文件“%1”，列表没有保存。\n磁盘空间不足。"_s.arg(list));
        QCOMPARE(w->read(list), bytes);
        QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{u"filler"_s, u"list.m3u"_s}));
        QVERIFY(!w->form.saved);
        QCOMPARE(w->form.windowTitle(), caption);
        // Exit still asks; Cancel keeps the window.
        w->fakes.messageBoxes->answers = {MessageAnswer::Cancel};
        QVERIFY(!w->form.close());
        QVERIFY(w->fakes.messageBoxes->shown.size() == 2 &&
                w->fakes.messageBoxes->shown.last().question);
    }

    void saveReplacesTheFileAsAWhole() {
        const QString list = w->make(u"list.m3u"_s, "#EXTM3U\r\n");
        const QString link = w->dir.filePath(u"link.m3u"_s);
        QVERIFY(::link(QFile::encodeName(list), QFile::encodeName(link)) == 0);
        w->open(list);
        w->add({w->dir.filePath(u"loose.mp3"_s)});
        w->item("munfilesave")->trigger();
        QVERIFY(w->messages().isEmpty() && w->form.saved);
        QCOMPARE(w->read(list), "#EXTM3U\r\n" + w->dir.filePath(u"loose.mp3"_s).toUtf8() + "\r\n");
        // The old file was replaced, not written over: its other name still holds the old bytes.
        QCOMPARE(w->read(link), QByteArray("#EXTM3U\r\n"));
    }

    void openRefusesWhatIsNoPlaylistFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("fifo") << u"fifo.m3u"_s << u"不是普通文件"_s;
        QTest::newRow("link to /dev/zero") << u"zero.m3u"_s << u"不是普通文件"_s;
        QTest::newRow("folder") << u"folder.m3u"_s << u"不是普通文件"_s;
        QTest::newRow("65 MiB") << u"huge.m3u"_s << u"大于 64 MB"_s;
        QTest::newRow("missing") << u"none.m3u"_s << u"无法读取列表文件"_s;
    }

    void openRefusesWhatIsNoPlaylistFile() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QVERIFY(::mkfifo(QFile::encodeName(w->dir.filePath(u"fifo.m3u"_s)), 0600) == 0);
        QVERIFY(QFile::link(u"/dev/zero"_s, w->dir.filePath(u"zero.m3u"_s)));
        QVERIFY(QDir().mkdir(w->dir.filePath(u"folder.m3u"_s)));
        QFile huge(w->dir.filePath(u"huge.m3u"_s));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(65 * 1024 * 1024));
        huge.close();

        w->add({w->dir.filePath(u"loose.mp3"_s)});
        // The added row is asked about first; No would discard it, but a refused file replaces
        // nothing.
        w->fakes.messageBoxes->answers = {MessageAnswer::No};
        w->open(name);
        QCOMPARE(w->messages().size(), 2);
        QVERIFY2(w->messages()[1].contains(message) &&
                     w->messages()[1].contains(w->dir.filePath(name)),
                 qPrintable(w->messages()[1]));
        QCOMPARE(w->names(), QStringList{u"loose.mp3"_s});
        QCOMPARE(w->form.listname, u"新列表"_s);
    }

    void byteOrderMarkDecidesTheEncoding_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringConverter::Encoding>("encoding");
        QTest::addColumn<QString>("text");
        const QString pls = u"[playlist]\r\nFile1=歌.mp3\r\nNumberOfEntries=1\r\n"_s;
        const QString m3u = u"#EXTM3U\n歌.mp3\n"_s;
        QTest::newRow("pls, utf-16 le") << u"l.pls"_s << QStringConverter::Utf16LE << pls;
        QTest::newRow("pls, utf-16 be") << u"l.pls"_s << QStringConverter::Utf16BE << pls;
        QTest::newRow("m3u, utf-16 le") << u"l.m3u"_s << QStringConverter::Utf16LE << m3u;
        QTest::newRow("m3u, utf-8") << u"l.m3u"_s << QStringConverter::Utf8 << m3u;
    }

    void byteOrderMarkDecidesTheEncoding() {
        QFETCH(QString, name);
        QFETCH(QStringConverter::Encoding, encoding);
        QFETCH(QString, text);
        w->make(u"歌.mp3"_s);
        w->open(w->make(name, QStringEncoder(encoding, QStringConverter::Flag::WriteBom)(text)));
        QVERIFY(w->messages().isEmpty());
        QCOMPARE(w->names(), QStringList{u"歌.mp3"_s});
    }

    void messagesQuoteLongPathsShortened() {
        const QString endless = u"/"_s + QString(1000000, u'長') + u".mp3"_s;
        w->open(
            w->make(u"l.pls"_s, "[playlist]\nNumberOfEntries=1\nFile1=" + endless.toUtf8() + "\n"));
        QCOMPARE(w->messages().size(), 1);
        const QString text = w->messages()[0];
        // The path's start and end, around an ellipsis, within a box that fits the screen.
        QVERIFY2(text.size() < 300 && text.contains(u"/長長"_s) && text.contains(u"長.mp3"_s) &&
                     text.contains(u'…'),
                 qPrintable(text));
    }
};

QTEST_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
