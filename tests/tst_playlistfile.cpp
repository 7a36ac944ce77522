#include "app/playlistmodel.h"
#include "media/filequery.h"
#include "platform/codepage.h"
#include "playlist/playlistfile.h"
#include "playlist/playlistwriter.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

struct Encoding {
    QString target;
    QStringList paths;
    QByteArray bytes{};
    QString error{}; // a part of the refusal
    QByteArray charset = "GB18030";
};

struct Loading {
    QString list;
    QByteArray bytes; // "@" stands for the test's folder; null: no file
    QString rows{};   // the files loaded, relative to that folder
    QString error{};  // a part of the message; "@" as above
    QByteArray charset = "UTF-8";
};

// Rows named after the last part of their paths; every second row is checked, which must
// change nothing that is written.
static void fill(PlaylistModel &model, const QStringList &paths) {
    for (const QString &path : paths) {
        const qsizetype slash = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
        const bool checked = model.rowCount() % 2;
        model.insertEntry(model.rowCount(), {path.mid(slash + 1), {}, path, {}, {}, checked});
    }
}

class tst_PlaylistFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    // A path of well over 255 bytes.
    const QString m_long = QString(80, u'长') + u'/' + QString(80, u'歌') + QStringLiteral(".mp3");

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const {
        QFile file(path(name));
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private Q_SLOTS:
    void initTestCase() {
        for (const QString &name : QStringList{"a.mp3", "b.mp3", "歌.mp3", "sub/c.mp3",
                                               "#x; y=1.mp3", "\"q.mp3'", m_long})
            write(name, "abc");
    }

    void encode_data();
    void encode();
    void load_data();
    void load();
};

void tst_PlaylistFile::encode_data() {
    QTest::addColumn<Encoding>("c");
    const auto row = [](const char *name, const Encoding &c) { QTest::newRow(name) << c; };
    const QStringList music{"C:\\Music\\a.mp3", "C:\\Music\\b.mp3"};
    row("pls, upper-case extension",
        {"C:\\Music\\list.PLS", music,
         "[playlist]\r\nFile1=C:\\Music\\a.mp3\r\nFile2=C:\\Music\\b.mp3\r\n"
         "NumberOfEntries=2\r\nVersion=2\r\n"});
    row("m3u",
        {"C:\\Music\\list.m3u", music, "#EXTM3U\r\nC:\\Music\\a.mp3\r\nC:\\Music\\b.mp3\r\n"});
    row("ram",
        {"C:\\Music\\list.ram", music, "file://C:\\Music\\a.mp3\r\nfile://C:\\Music\\b.mp3\r\n"});
    row("asx",
        {"C:\\Music\\list.asx", music,
         "<Asx Version = \"3.0\" > \r\n<Entry>\r\n<Title >a.mp3</Title>\r\n"
         "<Param Name = \"SourceURL\" Value = \"C:\\Music\\a.mp3\" />\r\n"
         "<Ref href = \"C:\\Music\\a.mp3\"/>\r\n</Entry>\r\n<Entry>\r\n<Title >b.mp3</Title>\r\n"
         "<Param Name = \"SourceURL\" Value = \"C:\\Music\\b.mp3\" />\r\n"
         "<Ref href = \"C:\\Music\\b.mp3\"/>\r\n</Entry>\r\n</Asx>\r\n"});
    row("asx escaped",
        {"/l.asx", QStringList{"/m/<&\">"},
         "<Asx Version = \"3.0\" > \r\n<Entry>\r\n<Title >&lt;&amp;&quot;&gt;</Title>\r\n<Param "
         "Name = \"SourceURL\" Value = \"/m/&lt;&amp;&quot;&gt;\" />\r\n<Ref href = \"/m/&lt;"
         "&amp;&quot;&gt;\"/>\r\n</Entry>\r\n</Asx>\r\n"});
    row("empty pls", {"/l.pls", {}, "[playlist]\r\nNumberOfEntries=0\r\nVersion=2\r\n"});
    row("empty m3u", {"/l.m3u", {}, "#EXTM3U\r\n"});
    row("empty ram", {"/l.ram", {}, ""});
    row("empty asx", {"/l.asx", {}, "<Asx Version = \"3.0\" > \r\n</Asx>\r\n"});

    const QStringList song{"/音乐/歌.mp3"};
    const QByteArray utf8Song = QByteArray::fromHex("2fe99fb3e4b9902fe6ad8c2e6d7033");
    const QByteArray gbSong = QByteArray::fromHex("2fd2f4c0d62fb8e82e6d7033");
    row("utf-8, dotted folder",
        {"/a.b/l.m3u", song, "#EXTM3U\r\n" + utf8Song + "\r\n", {}, "UTF-8"});
    row("gb18030 m3u", {"/l.m3u", song, "#EXTM3U\r\n" + gbSong + "\r\n"});
    row("m3u8 is utf-8", {"/l.M3U8", song, "#EXTM3U\r\n" + utf8Song + "\r\n"});

    const QString extensions = ".pls、.m3u、.ram 或 .asx";
    row("no extension", {"/home/u/list", music, {}, extensions});
    row("txt", {"/home/u/list.txt", music, {}, extensions});
    row("dotted folder", {"/my.lists/new", music, {}, extensions});
    row("line feed", {"/l.m3u", music + QStringList{"/m/a\nb.mp3"}, {}, "换行符"});
    row("carriage return in asx", {"/l.asx", music + QStringList{"/m/a\rb.mp3"}, {}, "换行符"});
    row("not in gbk", {"/l.m3u", music + QStringList{"/m/🎵.mp3"}, {}, "/m/🎵.mp3", "GBK"});
}

void tst_PlaylistFile::encode() {
    QFETCH(Encoding, c);
    PlaylistModel model;
    QAbstractItemModelTester tester(&model);
    fill(model, c.paths);
    const EncodedPlaylist encoded = encodePlaylist(c.target, model, CodePage(c.charset));
    QCOMPARE(encoded.bytes, c.bytes);
    QVERIFY2(c.error.isEmpty()
                 ? encoded.error.isEmpty()
                 : encoded.error.contains(c.target) && encoded.error.contains(c.error),
             qPrintable(encoded.error));
}

void tst_PlaylistFile::load_data() {
    QTest::addColumn<Loading>("c");
    const auto row = [](const char *name, const Loading &c) { QTest::newRow(name) << c; };
    const QString notPls = "此文件不是有效的PLS文件！";
    row("pls: any case, lf only",
        {"l.PLS", "[Playlist]\nfile1=a.mp3\nFILE2=@/b.mp3\nnumberofentries=2\n", "a.mp3|b.mp3"});
    row("pls: empty", {"l.pls", "", {}, notPls});
    row("pls: blank first line", {"l.pls", "\r\n[playlist]\r\nNumberOfEntries=0\r\n", {}, notPls});
    row("pls: blank before header", {"l.pls", " [playlist]\r\nNumberOfEntries=0\r\n", {}, notPls});
    row("pls: blank after header", {"l.pls", "[playlist]\t\r\nNumberOfEntries=0\r\n", {}, notPls});
    row("pls: beyond the count",
        {"l.pls", "[playlist]\nFile1=a.mp3\nFile2=b.mp3\nFile3=x\nNumberOfEntries=2",
         "a.mp3|b.mp3"});
    row("pls: no count", {"l.pls", "[playlist]\r\nFile1=a.mp3\r\n", {}});
    row("pls: profile rules",
        {"l.pls",
         "[playlist]\n  ; File1=x\nno equals\n\t File1 \t=\t \"a.mp3\" \nFile1=x\n"
         "NumberOfEntries= 4A\nFile2=' b.mp3 '\nFile3=\"q.mp3'\nFile4=#x; y=1.mp3",
         "a.mp3|b.mp3|\"q.mp3'|#x; y=1.mp3"});
    row("pls: missing key, later sections",
        {"l.pls",
         "[playlist]\nFile1=a.mp3\nNumberOfEntries=3\n[other]\nFile2=b.mp3\n"
         "  [ PLAYLIST ] x\nFile2=b.mp3\nFile3=b.mp3",
         QString(), "第2项"});
    row("pls: blank value", {"l.pls", "[playlist]\r\nFile1=  \r\nNumberOfEntries=1", {}, "第1项"});
    row("pls: count too high", {"l.pls", "[playlist]\nNumberOfEntries=99999999999", {}, "32767"});
    row("pls: bom means utf-8", {"l.pls", "\xEF\xBB\xBF[playlist]\nFile1=歌.mp3\nNumberOfEntries=1",
                                 "歌.mp3", QString(), "GB18030"});

    row("m3u: relative to the list, twice",
        {"sub/l.m3u", "#EXTM3U\n../a.mp3\nc.mp3\n@/a.mp3\n", "a.mp3|sub/c.mp3|a.mp3"});
    row("m3u: no header, cr only, no last end", {"l.m3u", "a.mp3\rb.mp3", "a.mp3|b.mp3"});
    row("m3u: comments and blanks",
        {"l.m3u", "#EXTM3U\n#EXTINF:12,A\n  a.mp3\t\n\n# x\nb.mp3 \n", "a.mp3|b.mp3"});
    row("m3u: empty", {"l.m3u", "", {}});
    row("m3u: file uris",
        {"l.m3u", "file://@/%E6%AD%8C.mp3\nFILE://localhost@/a.mp3\n", "歌.mp3|a.mp3"});
    row("m3u: line numbers", {"l.m3u", "#EXTM3U\r\na.mp3\n\r  \r\n", {}, "第4行"});
    row("m3u: missing media file", {"l.m3u", "a.mp3\r\nnone.mp3\r\n", {}, "@/none.mp3"});
    row("m3u: more than the table holds",
        {"l.m3u", QByteArray("a.mp3\n").repeated(PlaylistModel::MaxRows + 1), {}, "32768项"});
    row("m3u: cannot be read", {"none.m3u", QByteArray(), {}, "@/none.m3u"});

    // What the writers produce for count rows, which must read back to the same rows.
    const auto written = [this](const char *list, int count, const char *charset) {
        const QStringList names{"a.mp3", "sub/c.mp3", m_long, "歌.mp3", "#x; y=1.mp3"};
        QStringList rows, paths;
        for (int row = 0; row < count; ++row)
            paths << path(rows.emplaceBack(names[row % names.size()]));
        PlaylistModel model;
        fill(model, paths);
        return Loading{list, encodePlaylist(list, model, CodePage(charset)).bytes, rows.join(u'|'),
                       QString(), charset};
    };
    row("pls: written, full table", written("l.pls", PlaylistModel::MaxRows, "UTF-8"));
    row("m3u: written, full table", written("l.m3u", PlaylistModel::MaxRows, "GB18030"));
    row("ram: written", written("l.ram", 5, "GB18030"));
    row("m3u8: written", written("l.m3u8", 5, "GB18030"));
    row("pls: written, empty", written("l.pls", 0, "UTF-8"));
    row("ram: written, empty", written("l.ram", 0, "UTF-8"));

    row("ram: gbk on utf-8",
        {"l.RAM", "file://" + QByteArray::fromHex("b8e8") + ".mp3\r\nfile://@/a.mp3",
         "歌.mp3|a.mp3"});
    row("ram: seven off any prefix", {"l.ram", "http://a.mp3\nabcdefg  b.mp3 \n\n", "a.mp3|b.mp3"});
    row("ram: nothing after the prefix", {"l.ram", "file://a.mp3\rfile://\r", {}, "第2行"});
}

void tst_PlaylistFile::load() {
    QFETCH(Loading, c);
    if (!c.bytes.isNull())
        write(c.list, c.bytes.replace('@', m_dir.path().toUtf8()));
    const LoadedPlaylist loaded = loadPlaylistFile(path(c.list), CodePage(c.charset));
    QStringList rows;
    for (const PlaylistEntry &row : loaded.rows) {
        rows << QDir(m_dir.path()).relativeFilePath(row.path);
        const PlaylistEntry added = *FileQuery().entryFor(row.path);
        QCOMPARE((QVariantList{row.name, row.size, row.type, row.created, row.path, row.checked}),
                 (QVariantList{added.name, added.size, added.type, added.created, added.path,
                               added.checked}));
    }
    QCOMPARE(rows.join(u'|'), c.rows);
    QCOMPARE(loaded.outcome == LoadedPlaylist::Outcome::Loaded, c.error.isEmpty());
    QVERIFY2(loaded.error.contains(c.error.replace(u'@', m_dir.path())), qPrintable(loaded.error));
}

QTEST_GUILESS_MAIN(tst_PlaylistFile)
#include "tst_playlistfile.moc"
