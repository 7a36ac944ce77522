#include "app/playlistmodel.h"
#include "platform/codepage.h"
#include "playlist/playlistformat.h"
#include "playlist/playlistwriter.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

struct Row {
    QString name;
    QString path;
};

void fill(PlaylistModel &model, const QList<Row> &rows) {
    for (const Row &row : rows) {
        PlaylistEntry entry;
        entry.name = row.name;
        entry.path = row.path;
        entry.size = QStringLiteral("1");
        model.insertEntry(model.rowCount(), entry);
    }
}

const QList<Row> musicRows = {{QStringLiteral("a.mp3"), QStringLiteral("C:\\Music\\a.mp3")},
                              {QStringLiteral("b.mp3"), QStringLiteral("C:\\Music\\b.mp3")}};

} // namespace

class tst_PlaylistWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void extensionRule_data();
    void extensionRule();
    void workedExamples_data();
    void workedExamples();
    void checkedAndUncheckedRowsAlike();
    void characterSets_data();
    void characterSets();
    void refused_data();
    void refused();
    void asxTextsEscaped();
    void everyRowOfAFullTable();
};

void tst_PlaylistWriter::extensionRule_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("format"); // -1: none

    QTest::newRow("pls") << "C:\\Music\\list.pls"
                         << "pls" << int(PlaylistFormat::Pls);
    QTest::newRow("upper case") << "C:\\Music\\List.PLS"
                                << "pls" << int(PlaylistFormat::Pls);
    QTest::newRow("m3u") << "/home/u/a.b/list.m3u"
                         << "m3u" << int(PlaylistFormat::M3u);
    QTest::newRow("m3u8") << "/home/u/list.M3U8"
                          << "m3u8" << int(PlaylistFormat::M3u8);
    QTest::newRow("ram") << "/l.ram"
                         << "ram" << int(PlaylistFormat::Ram);
    QTest::newRow("asx typed") << "/l.asx"
                               << "asx" << int(PlaylistFormat::Asx);
    QTest::newRow("no dot") << "/home/U/List"
                            << "/home/u/list" << -1;
    QTest::newRow("txt") << "/home/u/list.txt"
                         << "txt" << -1;
    QTest::newRow("dotted folder") << "/my.lists/new"
                                   << "lists/new" << -1;
    QTest::newRow("trailing dot") << "/x/list."
                                  << "" << -1;
}

void tst_PlaylistWriter::extensionRule() {
    QFETCH(QString, path);
    QFETCH(QString, extension);
    QFETCH(int, format);
    QCOMPARE(extensionOf(path), extension);
    const std::optional<PlaylistFormat> found = formatOf(path);
    QCOMPARE(found ? int(*found) : -1, format);
}

void tst_PlaylistWriter::workedExamples_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("pls") << "C:\\Music\\list.pls" << false
                         << QByteArray("[playlist]\r\nFile1=C:\\Music\\a.mp3\r\n"
                                       "File2=C:\\Music\\b.mp3\r\nNumberOfEntries=2\r\n"
                                       "Version=2\r\n");
    QTest::newRow("m3u") << "C:\\Music\\list.m3u" << false
                         << QByteArray("#EXTM3U\r\nC:\\Music\\a.mp3\r\nC:\\Music\\b.mp3\r\n");
    QTest::newRow("ram") << "C:\\Music\\list.ram" << false
                         << QByteArray("file://C:\\Music\\a.mp3\r\nfile://C:\\Music\\b.mp3\r\n");
    QTest::newRow("asx") << "C:\\Music\\list.asx" << false
                         << QByteArray(
                                "<Asx Version = \"3.0\" > \r\n"
                                "<Entry>\r\n<Title >a.mp3</Title>\r\n"
                                "<Param Name = \"SourceURL\" Value = \"C:\\Music\\a.mp3\" />\r\n"
                                "<Ref href = \"C:\\Music\\a.mp3\"/>\r\n</Entry>\r\n"
                                "<Entry>\r\n<Title >b.mp3</Title>\r\n"
                                "<Param Name = \"SourceURL\" Value = \"C:\\Music\\b.mp3\" />\r\n"
                                "<Ref href = \"C:\\Music\\b.mp3\"/>\r\n</Entry>\r\n"
                                "</Asx>\r\n");
    QTest::newRow("empty pls") << "/l.pls" << true
                               << QByteArray("[playlist]\r\nNumberOfEntries=0\r\nVersion=2\r\n");
    QTest::newRow("empty m3u") << "/l.m3u" << true << QByteArray("#EXTM3U\r\n");
    QTest::newRow("empty m3u8") << "/l.m3u8" << true << QByteArray("#EXTM3U\r\n");
    QTest::newRow("empty ram") << "/l.ram" << true << QByteArray();
    QTest::newRow("empty asx") << "/l.asx" << true
                               << QByteArray("<Asx Version = \"3.0\" > \r\n</Asx>\r\n");
}

void tst_PlaylistWriter::workedExamples() {
    QFETCH(QString, target);
    QFETCH(bool, empty);
    QFETCH(QByteArray, expected);
    PlaylistModel model;
    if (!empty)
        fill(model, musicRows);
    const EncodedPlaylist encoded = encodePlaylist(target, model, CodePage("GB18030"));
    QCOMPARE(encoded.error, QString());
    QCOMPARE(encoded.bytes, expected);
}

void tst_PlaylistWriter::checkedAndUncheckedRowsAlike() {
    PlaylistModel model;
    QAbstractItemModelTester tester(&model);
    fill(model, musicRows);
    QVERIFY(
        model.setData(model.index(1, PlaylistModel::NameColumn), Qt::Checked, Qt::CheckStateRole));
    const QByteArray bytes =
        encodePlaylist(QStringLiteral("/x.pls"), model, CodePage("UTF-8")).bytes;
    QCOMPARE(bytes.size(), 86);
    QCOMPARE(encodePlaylist(QStringLiteral("/x.m3u"), model, CodePage("UTF-8")).bytes.size(), 41);
    QCOMPARE(encodePlaylist(QStringLiteral("/x.ram"), model, CodePage("UTF-8")).bytes.size(), 46);
    QCOMPARE(encodePlaylist(QStringLiteral("/x.asx"), model, CodePage("UTF-8")).bytes.size(), 291);
}

void tst_PlaylistWriter::characterSets_data() {
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray utf8Path = QByteArray::fromHex("2fe99fb3e4b9902fe6ad8c2e6d7033");
    const QByteArray gbkPath = QByteArray::fromHex("2fd2f4c0d62fb8e82e6d7033");
    QTest::newRow("utf-8 m3u") << QByteArray("UTF-8") << "/l.m3u"
                               << "#EXTM3U\r\n" + utf8Path + "\r\n";
    QTest::newRow("gb18030 m3u") << QByteArray("GB18030") << "/l.m3u"
                                 << "#EXTM3U\r\n" + gbkPath + "\r\n";
    QTest::newRow("gb18030 ram") << QByteArray("GB18030") << "/l.ram"
                                 << "file://" + gbkPath + "\r\n";
    QTest::newRow("m3u8 is utf-8") << QByteArray("GB18030") << "/l.m3u8"
                                   << "#EXTM3U\r\n" + utf8Path + "\r\n";
}

void tst_PlaylistWriter::characterSets() {
    QFETCH(QByteArray, charset);
    QFETCH(QString, target);
    QFETCH(QByteArray, expected);
    PlaylistModel model;
    fill(model, {{QStringLiteral("歌.mp3"), QStringLiteral("/音乐/歌.mp3")}});
    const EncodedPlaylist encoded = encodePlaylist(target, model, CodePage(charset));
    QCOMPARE(encoded.error, QString());
    QCOMPARE(encoded.bytes, expected);
}

void tst_PlaylistWriter::refused_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<QString>("messagePart");

    const QString plain = QStringLiteral("/m/a.mp3");
    QTest::newRow("no extension") << "/home/u/list" << plain << QByteArray("UTF-8")
                                  << ".pls、.m3u、.ram 或 .asx";
    QTest::newRow("txt") << "/home/u/list.txt" << plain << QByteArray("UTF-8") << ".asx";
    QTest::newRow("dotted folder") << "/my.lists/new" << plain << QByteArray("UTF-8") << ".m3u";
    QTest::newRow("line feed") << "/l.m3u"
                               << "/m/a\nb.mp3" << QByteArray("UTF-8") << "换行符";
    QTest::newRow("carriage return") << "/l.pls"
                                     << "/m/a\rb.mp3" << QByteArray("UTF-8") << "换行符";
    QTest::newRow("line break in asx") << "/l.asx"
                                       << "/m/a\nb.mp3" << QByteArray("UTF-8") << "换行符";
    QTest::newRow("not in gbk") << "/l.m3u"
                                << "/m/🎵.mp3" << QByteArray("GBK") << "/m/🎵.mp3";
    QTest::newRow("not in latin-1") << "/l.ram"
                                    << "/m/歌.mp3" << QByteArray("ISO-8859-1") << "字符集";
}

void tst_PlaylistWriter::refused() {
    QFETCH(QString, target);
    QFETCH(QString, path);
    QFETCH(QByteArray, charset);
    QFETCH(QString, messagePart);
    PlaylistModel model;
    fill(model, {{QStringLiteral("ok.mp3"), QStringLiteral("/m/ok.mp3")},
                 {QStringLiteral("x.mp3"), path}});
    const EncodedPlaylist encoded = encodePlaylist(target, model, CodePage(charset));
    QVERIFY(encoded.bytes.isEmpty());
    QVERIFY2(encoded.error.contains(target), qPrintable(encoded.error));
    QVERIFY2(encoded.error.contains(messagePart), qPrintable(encoded.error));
}

void tst_PlaylistWriter::asxTextsEscaped() {
    PlaylistModel model;
    fill(model, {{QStringLiteral("R&B <1> \"x\".mp3"), QStringLiteral("/m/R&B <1> \"x\".mp3")}});
    const EncodedPlaylist encoded =
        encodePlaylist(QStringLiteral("/l.asx"), model, CodePage("UTF-8"));
    const QByteArray escaped("R&amp;B &lt;1&gt; &quot;x&quot;.mp3");
    QCOMPARE(encoded.bytes, "<Asx Version = \"3.0\" > \r\n<Entry>\r\n<Title >" + escaped +
                                "</Title>\r\n<Param Name = \"SourceURL\" Value = \"/m/" + escaped +
                                "\" />\r\n<Ref href = \"/m/" + escaped +
                                "\"/>\r\n</Entry>\r\n</Asx>\r\n");
}

void tst_PlaylistWriter::everyRowOfAFullTable() {
    PlaylistModel model;
    QList<Row> rows;
    for (int i = 1; i <= PlaylistModel::MaxRows; ++i)
        rows << Row{QStringLiteral("%1.mp3").arg(i), QStringLiteral("/m/%1.mp3").arg(i)};
    fill(model, rows);
    const QByteArray pls = encodePlaylist(QStringLiteral("/l.pls"), model, CodePage("UTF-8")).bytes;
    QVERIFY(pls.contains("\r\nFile32767=/m/32767.mp3\r\nNumberOfEntries=32767\r\nVersion=2\r\n"));
    QCOMPARE(pls.count("\r\n"), 32767 + 3);
    const QByteArray m3u = encodePlaylist(QStringLiteral("/l.m3u"), model, CodePage("UTF-8")).bytes;
    QCOMPARE(m3u.count("\r\n"), 32767 + 1);
    QVERIFY(m3u.endsWith("\r\n/m/32767.mp3\r\n"));
}

QTEST_GUILESS_MAIN(tst_PlaylistWriter)
#include "tst_playlistwriter.moc"
