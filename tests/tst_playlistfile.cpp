#include "app/playlistmodel.h"
#include "media/filequery.h"
#include "platform/codepage.h"
#include "playlist/playlistfile.h"
#include "playlist/playlistwriter.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Rows named after the last part of their paths; every second row is checked, which must
// change nothing that is written.
void fill(PlaylistModel &model, const QStringList &paths) {
    for (const QString &path : paths) {
        const qsizetype slash = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
        model.insertEntry(model.rowCount(), {path.mid(slash + 1), {}, path, {}, {}, false});
        model.setData(model.index(model.rowCount() - 1, PlaylistModel::NameColumn),
                      model.rowCount() % 2 ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
}

} // namespace

class tst_PlaylistFile : public QObject {
    Q_OBJECT

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase();
    void encode_data();
    void encode();
    void load_data();
    void load();
    void everyWrittenListOpensAgain_data();
    void everyWrittenListOpensAgain();
};

void tst_PlaylistFile::write(const QString &name, const QByteArray &bytes) const {
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void tst_PlaylistFile::initTestCase() {
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("sub")));
    for (const char *name : {"a.mp3", "b.mp3", "歌.mp3", "sub/c.mp3", "#x; y=1.mp3", "\"q.mp3'"})
        write(QString::fromUtf8(name), "abc");
}

void tst_PlaylistFile::encode_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error"); // a part of the refusal
    QTest::addColumn<QByteArray>("charset");
    const auto row = [](const char *name, const char *target, const QStringList &paths,
                        const QByteArray &bytes, const QString &error = {},
                        const char *charset = "GB18030") {
        QTest::newRow(name) << target << paths << bytes << error << QByteArray(charset);
    };

    const QStringList music{"C:\\Music\\a.mp3", "C:\\Music\\b.mp3"};
    row("pls, upper-case extension", "C:\\Music\\list.PLS", music,
        "[playlist]\r\nFile1=C:\\Music\\a.mp3\r\nFile2=C:\\Music\\b.mp3\r\n"
        "NumberOfEntries=2\r\nVersion=2\r\n");
    row("m3u", "C:\\Music\\list.m3u", music, "#EXTM3U\r\nC:\\Music\\a.mp3\r\nC:\\Music\\b.mp3\r\n");
    row("ram", "C:\\Music\\list.ram", music,
        "file://C:\\Music\\a.mp3\r\nfile://C:\\Music\\b.mp3\r\n");
    row("asx", "C:\\Music\\list.asx", music,
        "<Asx Version = \"3.0\" > \r\n<Entry>\r\n<Title >a.mp3</Title>\r\n"
        "<Param Name = \"SourceURL\" Value = \"C:\\Music\\a.mp3\" />\r\n"
        "<Ref href = \"C:\\Music\\a.mp3\"/>\r\n</Entry>\r\n<Entry>\r\n<Title >b.mp3</Title>\r\n"
        "<Param Name = \"SourceURL\" Value = \"C:\\Music\\b.mp3\" />\r\n"
        "<Ref href = \"C:\\Music\\b.mp3\"/>\r\n</Entry>\r\n</Asx>\r\n");
    row("asx escaped", "/l.asx", {"/m/R&B <1> \"x\".mp3"},
        "<Asx Version = \"3.0\" > \r\n<Entry>\r\n<Title >R&amp;B &lt;1&gt; &quot;x&quot;.mp3"
        "</Title>\r\n<Param Name = \"SourceURL\" Value = \"/m/R&amp;B &lt;1&gt; "
        "&quot;x&quot;.mp3\" />"
        "\r\n<Ref href = \"/m/R&amp;B &lt;1&gt; &quot;x&quot;.mp3\"/>\r\n</Entry>\r\n</Asx>\r\n");
    row("empty pls", "/l.pls", {}, "[playlist]\r\nNumberOfEntries=0\r\nVersion=2\r\n");
    row("empty m3u", "/l.m3u", {}, "#EXTM3U\r\n");
    row("empty ram", "/l.ram", {}, "");
    row("empty asx", "/l.asx", {}, "<Asx Version = \"3.0\" > \r\n</Asx>\r\n");

    const QStringList song{"/音乐/歌.mp3"};
    const QByteArray utf8Song = QByteArray::fromHex("2fe99fb3e4b9902fe6ad8c2e6d7033");
    const QByteArray gbSong = QByteArray::fromHex("2fd2f4c0d62fb8e82e6d7033");
    row("utf-8, dotted folder", "/a.b/l.m3u", song, "#EXTM3U\r\n" + utf8Song + "\r\n", {}, "UTF-8");
    row("gb18030 m3u", "/l.m3u", song, "#EXTM3U\r\n" + gbSong + "\r\n");
    row("gb18030 ram", "/l.ram", song, "file://" + gbSong + "\r\n");
    row("m3u8 is utf-8", "/l.M3U8", song, "#EXTM3U\r\n" + utf8Song + "\r\n");

    const QString extensions = ".pls、.m3u、.ram 或 .asx";
    row("no extension", "/home/u/list", music, {}, extensions);
    row("txt", "/home/u/list.txt", music, {}, extensions);
    row("dotted folder", "/my.lists/new", music, {}, extensions);
    row("line feed", "/l.m3u", music + QStringList{"/m/a\nb.mp3"}, {}, "换行符");
    row("carriage return in asx", "/l.asx", music + QStringList{"/m/a\rb.mp3"}, {}, "换行符");
    row("not in gbk", "/l.m3u", music + QStringList{"/m/🎵.mp3"}, {}, "/m/🎵.mp3", "GBK");
}

void tst_PlaylistFile::encode() {
    QFETCH(QString, target);
    QFETCH(QByteArray, charset);
    QFETCH(QStringList, paths);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    PlaylistModel model;
    QAbstractItemModelTester tester(&model);
    fill(model, paths);
    const EncodedPlaylist encoded = encodePlaylist(target, model, CodePage(charset));
    QCOMPARE(encoded.bytes, bytes);
    QVERIFY2(error.isEmpty() ? encoded.error.isEmpty()
                             : encoded.error.contains(target) && encoded.error.contains(error),
             qPrintable(encoded.error));
}

void tst_PlaylistFile::load_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QByteArray>("bytes"); // "@" stands for the test's folder
    QTest::addColumn<QString>("rows");     // the files loaded, relative to that folder
    QTest::addColumn<QString>("error");    // a part of the message; "@" as above
    QTest::addColumn<QByteArray>("charset");
    const auto row = [](const char *list, const char *name, const QByteArray &bytes,
                        const QString &rows, const QString &error = {},
                        const char *charset = "UTF-8") {
        QTest::addRow("%s: %s", list, name)
            << list << bytes << rows << error << QByteArray(charset);
    };

    const QString notPls = "此文件不是有效的PLS文件！";
    row("l.PLS", "any case, lf only", "[Playlist]\nfile1=a.mp3\nFILE2=@/b.mp3\nnumberofentries=2\n",
        "a.mp3|b.mp3");
    row("l.pls", "empty", "", {}, notPls);
    row("l.pls", "blank first line", "\r\n[playlist]\r\nNumberOfEntries=0\r\n", {}, notPls);
    row("l.pls", "blank before header", " [playlist]\r\nNumberOfEntries=0\r\n", {}, notPls);
    row("l.pls", "blank after header", "[playlist]\t\r\nNumberOfEntries=0\r\n", {}, notPls);
    row("l.pls", "entries beyond the count",
        "[playlist]\r\nFile1=a.mp3\r\nFile2=b.mp3\r\nFile3=x.mp3\r\nNumberOfEntries=2\r\n",
        "a.mp3|b.mp3");
    row("l.pls", "no count", "[playlist]\r\nFile1=a.mp3\r\n", {});
    row("l.pls", "negative count", "[playlist]\r\nFile1=a.mp3\r\nNumberOfEntries=-5\r\n", {});
    row("l.pls", "profile rules",
        "[playlist]\r\n  ; File1=x.mp3\r\nno equals\r\n\t File1 \t=\t \"a.mp3\" \r\nFile1=x.mp3\r\n"
        "NumberOfEntries= 4A\r\nFile2=' b.mp3 '\r\nFile3=\"q.mp3'\r\nFile4=#x; y=1.mp3\r\n",
        "a.mp3|b.mp3|\"q.mp3'|#x; y=1.mp3");
    row("l.pls", "missing key, later sections",
        "[playlist]\r\nFile1=a.mp3\r\nNumberOfEntries=3\r\n[other]\r\nFile2=b.mp3\r\n"
        "  [ PLAYLIST ] x\r\nFile2=b.mp3\r\nFile3=b.mp3\r\n",
        {}, "第2项");
    row("l.pls", "blank value", "[playlist]\r\nFile1=  \r\nNumberOfEntries=1", {}, "第1项");
    row("l.pls", "count above the table", "[playlist]\r\nNumberOfEntries=99999999999", {}, "32767");
    row("l.pls", "bom means utf-8", "\xEF\xBB\xBF[playlist]\r\nFile1=歌.mp3\r\nNumberOfEntries=1",
        "歌.mp3", {}, "GB18030");

    row("sub/l.m3u", "relative to the list, twice", "#EXTM3U\n../a.mp3\nc.mp3\n@/a.mp3\n",
        "a.mp3|sub/c.mp3|a.mp3");
    row("l.m3u", "no header, cr only, no last end", "a.mp3\rb.mp3", "a.mp3|b.mp3");
    row("l.m3u", "comments and blanks", "#EXTM3U\n#EXTINF:12,A\n  a.mp3\t\n\n# x\nb.mp3 \n",
        "a.mp3|b.mp3");
    row("l.m3u", "empty", "", {});
    row("l.m3u", "file uris", "file://@/%E6%AD%8C.mp3\nFILE://localhost@/a.mp3\n", "歌.mp3|a.mp3");
    row("l.m3u", "gb18030 system", QByteArray::fromHex("b8e82e6d7033"), "歌.mp3", {}, "GB18030");
    row("l.m3u8", "utf-8", "歌.mp3", "歌.mp3", {}, "GB18030");
    row("l.m3u8", "bom removed", "\xEF\xBB\xBF#EXTM3U\r\na.mp3", "a.mp3");
    row("l.m3u", "line numbers", "#EXTM3U\r\na.mp3\n\r  \r\n", {}, "第4行");
    row("l.m3u", "missing media file", "a.mp3\r\nnone.mp3\r\n", {}, "@/none.mp3");
    row("l.m3u", "more than the table holds",
        QByteArray("a.mp3\n").repeated(PlaylistModel::MaxRows + 1), {}, "32768项");
    row("none.m3u", "cannot be read", QByteArray(), {}, "@/none.m3u");

    row("l.RAM", "gbk on a utf-8 system",
        "file://" + QByteArray::fromHex("b8e8") + ".mp3\r\nfile://@/a.mp3", "歌.mp3|a.mp3");
    row("l.ram", "any prefix loses seven", "http://a.mp3\nabcdefg  b.mp3  \n\n", "a.mp3|b.mp3");
    row("l.ram", "empty", "", {});
    row("l.ram", "nothing after the prefix", "file://a.mp3\rfile://\r", {}, "第2行");
}

void tst_PlaylistFile::load() {
    QFETCH(QString, list);
    QFETCH(QByteArray, charset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, rows);
    QFETCH(QString, error);
    if (!bytes.isNull())
        write(list, bytes.replace('@', m_dir.path().toUtf8()));
    const LoadedPlaylist loaded = loadPlaylistFile(path(list), CodePage(charset));
    QStringList loadedRows;
    for (const PlaylistEntry &row : loaded.rows) {
        loadedRows << QDir(m_dir.path()).relativeFilePath(row.path);
        const PlaylistEntry added = *FileQuery().entryFor(row.path);
        QCOMPARE((QStringList{row.name, row.size, row.type, row.created, row.path}),
                 (QStringList{added.name, added.size, added.type, added.created, added.path}));
        QVERIFY(!row.checked);
    }
    QCOMPARE(loadedRows.join(u'|'), rows);
    QCOMPARE(loaded.outcome == LoadedPlaylist::Outcome::Loaded, error.isEmpty());
    QVERIFY2(loaded.error.contains(error.replace(u'@', m_dir.path())), qPrintable(loaded.error));
}

void tst_PlaylistFile::everyWrittenListOpensAgain_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("charset");
    QTest::newRow("pls, full table") << "full.pls" << PlaylistModel::MaxRows << QByteArray("UTF-8");
    QTest::newRow("m3u, full table")
        << "full.m3u" << PlaylistModel::MaxRows << QByteArray("GB18030");
    QTest::newRow("ram") << "some.ram" << 5 << QByteArray("GB18030");
    QTest::newRow("m3u8") << "some.m3u8" << 5 << QByteArray("GB18030");
    QTest::newRow("empty pls") << "none.pls" << 0 << QByteArray("UTF-8");
    QTest::newRow("empty m3u") << "none.m3u" << 0 << QByteArray("UTF-8");
    QTest::newRow("empty ram") << "none.ram" << 0 << QByteArray("UTF-8");
}

void tst_PlaylistFile::everyWrittenListOpensAgain() {
    QFETCH(QString, list);
    QFETCH(int, rows);
    QFETCH(QByteArray, charset);
    // A path of well over 255 bytes.
    const QString longName = QString(80, u'长') + u'/' + QString(80, u'歌') + QStringLiteral(".mp3");
    QVERIFY(QDir(m_dir.path()).mkpath(QString(80, u'长')));
    write(longName, "x");
    const QStringList names{QStringLiteral("a.mp3"), QStringLiteral("sub/c.mp3"), longName,
                            QStringLiteral("歌.mp3"), QStringLiteral("#x; y=1.mp3")};
    QStringList paths;
    for (int row = 0; row < rows; ++row)
        paths << path(names[row % names.size()]);
    PlaylistModel model;
    fill(model, paths);
    const CodePage codePage(charset);
    QCOMPARE(savePlaylistFile(path(list), model, codePage), QString());
    QStringList loaded;
    for (const PlaylistEntry &row : loadPlaylistFile(path(list), codePage).rows)
        loaded << row.path;
    QCOMPARE(loaded, paths);
}

QTEST_GUILESS_MAIN(tst_PlaylistFile)
#include "tst_playlistfile.moc"
