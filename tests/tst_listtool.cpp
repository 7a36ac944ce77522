#include "smalldisk.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// A mixed list: a title and a length on a missing relative entry, a stream, a relative file.
const QByteArray MixedList = "#EXTM3U\n#EXTINF:123,Title one\ngone/x.mp3\n"
                             "http://radio.example/stream\n../music/a.mp3\n";
// A tagged song twice, once with a title of its own, and a stream.
const QByteArray TaggedList = "[playlist]\nFile1=../tagged/song.mp3\nTitle1=Own\n"
                              "File2=../tagged/song.mp3\nFile3=http://radio.example/stream\n";

// One run of the tool: what it prints and answers, and a file of the tree that it leaves with
// these bytes (none: no file looked at).
struct Run {
    QStringList arguments;
    QByteArray out, err;
    int status;
    QString file;
    QByteArray bytes;
};

// vantrel-list itself, run on a real tree of files and lists: what each command prints, writes
// and answers, and what a failed write leaves behind.
class TestListTool : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    const QString m_root = m_dir.filePath(u"tree"_s);

    QString at(const QString &relative) const { return m_root + u'/' + relative; }
    // A name that is not UTF-8: no path can name it, and so nothing but its bytes removes it.
    QByteArray undecodable() const { return QFile::encodeName(at(u"music/sub/"_s)) + "\xff.mp3"; }
    // Runs the tool in the tree, where no display can be opened, and answers its exit status; or
    // the shell, which runs it as "$0" with what QProcess cannot give: bytes that are not UTF-8,
    // closed streams, another user.
    int runTool(QProcess &tool, const QStringList &arguments,
                const QString &program = QStringLiteral(VANTREL_LIST)) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"QT_QPA_PLATFORM"_s);
        environment.insert(u"DISPLAY"_s, {});
        environment.insert(u"WAYLAND_DISPLAY"_s, {});
        tool.setProcessEnvironment(environment);
        tool.setWorkingDirectory(m_root);
        tool.start(program, arguments);
        if (!tool.waitForFinished() || tool.exitStatus() != QProcess::NormalExit)
            return -1;
        return tool.exitCode();
    }

private Q_SLOTS:
    void init() {
        QVERIFY(QDir(m_root).removeRecursively() && QDir().mkpath(at(u"music/sub"_s)));
        QVERIFY(QDir().mkpath(at(u"lists/x.m3u"_s)) && QDir().mkpath(at(u"other/gone"_s)));
        for (const QString &file :
             {u"music/a.mp3"_s, u"music/B.MP3"_s, u"music/song 10.mp3"_s, u"music/song 2.mp3"_s,
              u"music/cover.jpg"_s, u"music/sub/c.mp3"_s, u"other/gone/x.mp3"_s})
            QVERIFY(QFile(at(file)).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(at(u"music/sub"_s), at(u"music/link"_s)));
        QVERIFY(::close(::open(undecodable().constData(), O_CREAT, 0644)) == 0);
        QVERIFY(QFile(at(u"other/🎵.mp3"_s)).open(QIODevice::WriteOnly));
        QVERIFY(QDir().mkpath(at(u"tagged"_s)) &&
                QFile::copy(u"" VANTREL_TEST_DATA "/tagged.mp3"_s, at(u"tagged/song.mp3"_s)));
        for (const auto &[name, bytes] :
             {std::pair{u"lists/mixed.m3u"_s, MixedList},
              std::pair{u"lists/bad.pls"_s, QByteArray("[x]\n")},
              std::pair{u"lists/car.m3u"_s,
                        QByteArray("../music/sub/c.mp3\n../music/a.mp3\n"
                                   "http://radio.example/stream\n../gone.mp3\n")},
              std::pair{u"lists/emoji.m3u"_s, QByteArray("../other/🎵.mp3\n")},
              std::pair{u"lists/tagged.pls"_s, TaggedList},
              std::pair{u"lists/odd.m3u"_s, QByteArray("#EXTINF:5,a\x01"
                                                       "b\n100% pure.mp3\n./file:x.mp3\n")}}) {
            QFile list(at(name));
            QVERIFY(list.open(QIODevice::WriteOnly) && list.write(bytes) == bytes.size());
        }
    }

    void cleanup() { ::unlink(undecodable().constData()); }

    void run_data() {
        QTest::addColumn<Run>("run");
        const auto row = [](const char *name, const QStringList &arguments, const QByteArray &out,
                            const QByteArray &err, int status, const QString &file = {},
                            const QByteArray &bytes = {}) {
            QTest::newRow(name) << Run{arguments, out, err, status, file, bytes};
        };
        const QByteArray root = m_root.toUtf8(), song = root + "/music/a.mp3";
        const QByteArray missing = root + "/lists/gone/x.mp3";
        const QByteArray stream = "http://radio.example/stream";
        row("find: natural order, into subfolders, not through links", {"find", "music", "-o", "-"},
            "#EXTM3U\r\n" + song + "\r\n" + root + "/music/B.MP3\r\n" + root +
                "/music/song 2.mp3\r\n" + root + "/music/song 10.mp3\r\n" + root +
                "/music/sub/c.mp3\r\n",
            "vantrel-list：已跳过1个名称不是UTF-8编码的文件或文件夹。\n", 0);
        row("find: patterns, no subfolders, relative",
            {"find", "music", "-p", "*.JPG", "--pattern", " song* ", "--no-subfolders",
             "--relative", "-o", "music/found.pls"},
            "", "", 0, "music/found.pls",
            "[playlist]\r\nFile1=cover.jpg\r\nFile2=song 2.mp3\r\nFile3=song 10.mp3\r\n"
            "NumberOfEntries=3\r\nVersion=2\r\n");
        row("find: missing folder", {"find", "nowhere", "-o", "x.m3u"}, "",
            "vantrel-list：找不到文件夹“" + root + "/nowhere”，请检查位置！\n", 3);
        row("find: unknown extension", {"find", "music", "-o", "x.txt"}, "",
            "vantrel-list：无法保存“" + root +
                "/x.txt”：列表文件的扩展名必须是 .pls、.m3u、.ram、.m3u8、.xspf、.asx、.wax 或 "
                ".wvx。\n",
            2);
        row("convert: keeps titles, lengths, streams, missing and relative entries, ../ too",
            {"convert", "lists/mixed.m3u", "lists/mixed.m3u8"}, "", "", 0, "lists/mixed.m3u8",
            "#EXTM3U\r\n#EXTINF:123,Title one\r\ngone/x.mp3\r\n" + stream +
                "\r\n../music/a.mp3\r\n");
        row("convert: names and texts that xml cannot hold as they stand",
            {"convert", "lists/odd.m3u", "lists/odd.xspf"}, "", "", 0, "lists/odd.xspf",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<playlist version=\"1\" "
            "xmlns=\"http://xspf.org/ns/0/\">\r\n  <trackList>\r\n    <track>\r\n      "
            "<location>100%25%20pure.mp3</location>\r\n      <title>ab</title>\r\n      "
            "<duration>5000</duration>\r\n    </track>\r\n    <track>\r\n      "
            "<location>./file:x.mp3</location>\r\n    </track>\r\n  </trackList>\r\n"
            "</playlist>\r\n");
        row("convert: --relative from another folder",
            {"convert", "lists/mixed.m3u", "music/mixed.ram", "--relative"}, "", "", 0,
            "music/mixed.ram", "../lists/gone/x.mp3\r\n" + stream + "\r\na.mp3\r\n");
        row("convert: --absolute", {"convert", "lists/mixed.m3u", "lists/abs.m3u", "--absolute"},
            "", "", 0, "lists/abs.m3u",
            "#EXTM3U\r\n#EXTINF:123,Title one\r\n" + missing + "\r\n" + stream + "\r\n" + song +
                "\r\n");
        row("convert: not a playlist", {"convert", "lists/bad.pls", "x.m3u"}, "",
            "vantrel-list：“" + root + "/lists/bad.pls”：此文件不是有效的PLS文件！\n", 3);
        row("convert: a folder named like a list", {"convert", "lists/x.m3u", "x.pls"}, "",
            "vantrel-list：“" + root + "/lists/x.m3u”不是普通文件，不能作为列表文件打开。\n", 3);
        row("check: lists the missing entries, changes nothing", {"check", "lists/mixed.m3u"},
            missing + "\n", "", 1, "lists/mixed.m3u", MixedList);
        row("check --remove", {"check", "lists/mixed.m3u", "--remove"}, missing + "\n", "", 0,
            "lists/mixed.m3u", "#EXTM3U\r\n" + stream + "\r\n../music/a.mp3\r\n");
        row("check --relocate", {"check", "lists/mixed.m3u", "--relocate", "other"}, "",
            "vantrel-list：找到了1个节目文件，还有0个找不到。\n", 0, "lists/mixed.m3u",
            "#EXTM3U\r\n#EXTINF:123,Title one\r\n../other/gone/x.mp3\r\n" + stream +
                "\r\n../music/a.mp3\r\n");
        row("show", {"show", "lists/mixed.m3u"},
            missing + "\tTitle one\t123\t0\n" + stream + "\t\t\t\n" + song + "\t\t\t1\n", "", 0);
        const QByteArray exported = "\n有1个找不到的节目文件没有导出。\n";
        row("export: the folders below the common one, Windows form",
            {"export", "lists/car.m3u", "out", "--windows"}, "",
            "vantrel-list：导出完成！复制了2个文件。\n列表已写入“" + root +
                "/out/car.m3u”，数据已全部写入磁盘。" + exported,
            0, "out/car.m3u", "#EXTM3U\r\nsub\\c.mp3\r\na.mp3\r\n" + stream + "\r\n");
        row("export --flat", {"export", "lists/car.m3u", "out", "--flat"}, "",
            "vantrel-list：导出完成！复制了2个文件。\n列表已写入“" + root +
                "/out/car.m3u”，数据已全部写入磁盘。" + exported,
            0, "out/car.m3u", "#EXTM3U\r\n001 c.mp3\r\n002 a.mp3\r\n" + stream + "\r\n");
        row("export --windows: a name that GBK cannot hold",
            {"export", "lists/emoji.m3u", "out", "--windows"}, "",
            "vantrel-list：无法按 Windows 形式导出：“🎵.mp3”中有 GBK 编码不能表示的字符，而 "
            "Windows 形式的 .m3u、.pls 和 .ram 列表用 GBK 编码。请把列表另存为 .m3u8 后再导出，"
            "或不用 Windows 形式。没有复制任何文件。\n",
            4);
        // Tags: the song is "Morning Song" by 王菲, track 3 of "Eyes", 2 s long.
        const QByteArray tagged = root + "/tagged/song.mp3";
        row("find --tags", {"find", "tagged", "--tags", "-o", "-"},
            "#EXTM3U\r\n#EXTINF:2,王菲 - Morning Song\r\n" + tagged + "\r\n", "", 0);
        row("convert --tags: xspf", {"convert", "lists/tagged.pls", "t.xspf", "--tags"}, "", "", 0,
            "t.xspf",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<playlist version=\"1\" "
            "xmlns=\"http://xspf.org/ns/0/\">\r\n  <trackList>\r\n"
            "    <track>\r\n      <location>tagged/song.mp3</location>\r\n      <title>Own</title>"
            "\r\n      <duration>2000</duration>\r\n    </track>\r\n"
            "    <track>\r\n      <location>tagged/song.mp3</location>\r\n      <title>Morning Song"
            "</title>\r\n      <creator>王菲</creator>\r\n      <album>Eyes</album>\r\n"
            "      <trackNum>3</trackNum>\r\n      <duration>2000</duration>\r\n    </track>\r\n"
            "    <track>\r\n      <location>" +
                stream + "</location>\r\n    </track>\r\n  </trackList>\r\n</playlist>\r\n");
        const QByteArray asxSong = "<Param Name = \"SourceURL\" Value = \"tagged/song.mp3\" />"
                                   "\r\n<Ref href = \"tagged/song.mp3\"/>\r\n</Entry>\r\n";
        row("convert --tags: asx", {"convert", "lists/tagged.pls", "t.asx", "--tags"}, "", "", 0,
            "t.asx",
            "<Asx Version = \"3.0\" > \r\n<Entry>\r\n<Title >Own</Title>\r\n<Duration value = "
            "\"00:00:02\" />\r\n" +
                asxSong +
                "<Entry>\r\n<Title >Morning Song</Title>\r\n"
                "<Author>王菲</Author>\r\n<Duration value = \"00:00:02\" />\r\n" +
                asxSong +
                "<Entry>\r\n<Title >stream</Title>\r\n<Param Name = \"SourceURL\" Value = \"" +
                stream + "\" />\r\n<Ref href = \"" + stream + "\"/>\r\n</Entry>\r\n</Asx>\r\n");
        row("convert --tags: ram holds none", {"convert", "lists/tagged.pls", "t.ram", "--tags"},
            "", "", 0, "t.ram", "tagged/song.mp3\r\ntagged/song.mp3\r\n" + stream + "\r\n");
        row("convert --tags: m3u8", {"convert", "lists/tagged.pls", "t.m3u8", "--tags"}, "", "", 0,
            "t.m3u8",
            "#EXTM3U\r\n#EXTINF:2,Own\r\ntagged/song.mp3\r\n#EXTINF:2,王菲 - Morning Song\r\n"
            "tagged/song.mp3\r\n" +
                stream + "\r\n");
        row("export --tags: pls", {"export", "lists/tagged.pls", "out", "--tags"}, "",
            "vantrel-list：导出完成！复制了1个文件。\n列表已写入“" + root +
                "/out/tagged.pls”，数据已全部写入磁盘。\n",
            0, "out/tagged.pls",
            "[playlist]\r\nFile1=song.mp3\r\nTitle1=Own\r\nLength1=2\r\nFile2=song.mp3\r\n"
            "Title2=王菲 - Morning Song\r\nLength2=2\r\nFile3=" +
                stream + "\r\nNumberOfEntries=3\r\nVersion=2\r\n");
        const QByteArray json =
            "\"exists\":true,\"length\":2,\"path\":\"" + tagged + "\",\"title\":";
        row("show --tags --json", {"show", "lists/tagged.pls", "--json", "--tags"},
            "[{\"album\":\"Eyes\",\"artist\":\"王菲\"," + json +
                "\"Own\",\"track\":3},{\"album\":\"Eyes\",\"artist\":\"王菲\"," + json +
                "\"Morning Song\",\"track\":3},{\"album\":null,\"artist\":null,\"exists\":null,"
                "\"length\":null,\"path\":\"" +
                stream + "\",\"title\":\"\",\"track\":null}]\n",
            "", 0);
        row("option without its value", {"check", "lists/mixed.m3u", "--relocate"}, "",
            "vantrel-list check：选项“--relocate”后面缺少值。\n"
            "用 vantrel-list check --help 查看用法。\n",
            2);
    }

    void run() {
        QFETCH(const Run, run);
        QProcess tool;
        QCOMPARE(runTool(tool, run.arguments), run.status);
        QCOMPARE(tool.readAllStandardOutput(), run.out);
        QCOMPARE(tool.readAllStandardError(), run.err);
        if (run.file.isEmpty())
            return;
        QFile file(at(run.file));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), run.bytes);
    }

    void refusals_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        const auto row = [](const char *name, const QString &command, int status,
                            const QString &err) {
            QTest::newRow(name) << command << status << err;
        };
        const QString notUtf8 = u"vantrel-list：参数“%1”不是UTF-8编码的文件名（无法解码的字节显示为"
                                "�）。\n用 vantrel-list --help 查看用法。\n"_s;
        const QString notWritten =
            u"vantrel-list：无法写入文件“%1/%2”，列表没有保存。\n没有访问权限。\n"_s;
        const QString noOutput = u"vantrel-list：无法写到标准输出。\n%1\n"_s;
        // As the user nobody, whom permissions bind unlike root.
        const QString nobody = u"setpriv --reuid=65534 --regid=65534 --clear-groups \"$0\" "_s;
        row("existing list not UTF-8", u"\"$0\" show \"$(printf 'music/sub/\\377.mp3')\""_s, 2,
            notUtf8.arg(u"music/sub/�.mp3"_s));
        row("folder without permission", nobody + u"convert lists/mixed.m3u lists/new.m3u"_s, 4,
            notWritten.arg(m_root, u"lists/new.m3u"_s));
        row("read-only file of the user's own, in his folder",
            nobody + u"convert lists/mixed.m3u own.m3u"_s, 4, notWritten.arg(m_root, u"own.m3u"_s));
        row("relocation into a folder he cannot list",
            nobody + u"check lists/mixed.m3u --relocate other"_s, 3,
            u"vantrel-list：找不到文件夹“%1/other”，请检查位置！\n"_s.arg(m_root));
        row("full standard output", u"\"$0\" show lists/mixed.m3u >/dev/full"_s, 4,
            noOutput.arg(u"磁盘空间不足。"_s));
        row("closed standard output", u"\"$0\" show lists/mixed.m3u >&-"_s, 4,
            noOutput.arg(u"已关闭，或不能写入。"_s));
    }

    void refusals() {
        QFETCH(QString, command);
        QFETCH(int, status);
        QFETCH(QString, err);
        if (command.startsWith(u"setpriv"_s) && ::geteuid() != 0)
            QSKIP("only root may run the tool as another user");
        // The tree is nobody's to write in, its folders are root's, and one of them only root's
        // to list.
        QVERIFY(::chmod(QFile::encodeName(at(u"other"_s)), 0700) == 0);
        const QByteArray own = QFile::encodeName(at(u"own.m3u"_s));
        QVERIFY(::chmod(QFile::encodeName(m_dir.path()), 0755) == 0 &&
                ::chmod(QFile::encodeName(m_root), 0777) == 0);
        QVERIFY(::close(::open(own, O_CREAT, 0444)) == 0 && ::chown(own, 65534, 65534) == 0);
        QProcess tool;
        QCOMPARE(runTool(tool, {u"-c"_s, u"exec "_s + command, VANTREL_LIST}, u"/bin/sh"_s),
                 status);
        QCOMPARE(QString::fromUtf8(tool.readAllStandardError()), err);
    }

    void failedWriteKeepsTheOldList_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only disk") << u"read-only"_s << u"磁盘是只读的。"_s;
        // Written in place, and full in the middle: the old text goes back.
        QTest::newRow("full disk, second hard link") << u"linked"_s << u"磁盘空间不足。"_s;
    }

    void failedWriteKeepsTheOldList() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString disk = at(u"disk"_s), list = disk + u"/old.m3u"_s;
        const SmallDisk small(disk);
        if (!small.refusal.isEmpty())
            QSKIP(qPrintable(small.refusal));
        QFile old(list), filler(disk + u"/filler"_s), big(at(u"lists/big.m3u"_s));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\n") == 4);
        old.close();
        // About 21 KiB of list for the 8 KiB left: room for a backup of the old list only.
        QVERIFY(big.open(QIODevice::WriteOnly) &&
                big.write(QByteArray("gone/x.mp3\n").repeated(1000)));
        big.close();
        QVERIFY(filler.open(QIODevice::WriteOnly) && filler.write(QByteArray(20 * 1024, 'x')));
        filler.close();
        const QByteArray name = QFile::encodeName(list);
        QVERIFY(kind != u"linked"_s || ::link(name, name + ".link") == 0);
        QVERIFY(kind != u"read-only"_s || small.makeReadOnly());

        QProcess tool;
        QCOMPARE(runTool(tool, {u"convert"_s, u"lists/big.m3u"_s, list}), 4);
        QCOMPARE(QString::fromUtf8(tool.readAllStandardError()),
                 u"vantrel-list：无法写入文件“%1”，列表没有保存。\n%2\n"_s.arg(list, reason));
        QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "old\n");
        // No new file and no backup is left.
        QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden).size(),
                 kind == u"linked"_s ? 3 : 2);
    }

    // The tool needs no widget libraries.
    void linksNoWidgets() {
        QProcess ldd;
        ldd.start(u"ldd"_s, {QStringLiteral(VANTREL_LIST)});
        QVERIFY(ldd.waitForFinished());
        const QByteArray libraries = ldd.readAllStandardOutput();
        QVERIFY2(libraries.contains("libQt6Core") && !libraries.contains("libQt6Gui") &&
                     !libraries.contains("libQt6Widgets"),
                 libraries.constData());
    }
};

QTEST_GUILESS_MAIN(TestListTool)
#include "tst_listtool.moc"
