#include "platform/codepage.h"
#include "playlist/playlistreader.h"
#include "playlist/textlines.h"

#include <QTest>

using Status = PlaylistPaths::Status;
Q_DECLARE_METATYPE(PlaylistPaths::Status)

namespace {

const QString list = QStringLiteral("/l/list");

QStringList strings(std::initializer_list<const char *> items) {
    QStringList result;
    for (const char *item : items)
        result << QString::fromUtf8(item);
    return result;
}

void comparePaths(const PlaylistPaths &read, Status status, const QStringList &paths,
                  const QString &messagePart) {
    QCOMPARE(read.status, status);
    QCOMPARE(read.paths, status == Status::Read ? paths : QStringList());
    QVERIFY2(read.error.contains(messagePart), qPrintable(read.error));
}

} // namespace

class tst_PlaylistReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
    void decoding_data();
    void decoding();
    void pls_data();
    void pls();
    void m3u_data();
    void m3u();
    void ram_data();
    void ram();
};

void tst_PlaylistReader::lines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("crlf") << "a\r\nb\r\n" << strings({"a", "b"});
    QTest::newRow("lf only") << "a\nb\n" << strings({"a", "b"});
    QTest::newRow("cr only") << "a\rb\r" << strings({"a", "b"});
    QTest::newRow("no last end") << "a\r\nb" << strings({"a", "b"});
    QTest::newRow("mixed and blank") << "a\n\r\n\rb\r\r\n" << strings({"a", "", "", "b", ""});
    QTest::newRow("lf cr is two ends") << "a\n\rb" << strings({"a", "", "b"});
}

void tst_PlaylistReader::lines() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(text), lines);
}

void tst_PlaylistReader::decoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<bool>("utf8Only");
    QTest::addColumn<QString>("text");

    const QByteArray gbk = QByteArray::fromHex("d2f4c0d6"); // 音乐
    const QByteArray utf8 = QByteArray::fromHex("e99fb3e4b990");
    QTest::newRow("utf-8 system") << utf8 << QByteArray("UTF-8") << false << "音乐";
    QTest::newRow("gbk file on utf-8 system") << gbk << QByteArray("UTF-8") << false << "音乐";
    QTest::newRow("gb18030 system") << gbk << QByteArray("GB18030") << false << "音乐";
    QTest::newRow("bom means utf-8")
        << QByteArray("\xEF\xBB\xBF") + utf8 << QByteArray("GB18030") << false << "音乐";
    QTest::newRow("m3u8 is utf-8") << utf8 << QByteArray("GB18030") << true << "音乐";
    QTest::newRow("m3u8 bom removed")
        << QByteArray("\xEF\xBB\xBF#EXTM3U") << QByteArray("UTF-8") << true << "#EXTM3U";
}

void tst_PlaylistReader::decoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, charset);
    QFETCH(bool, utf8Only);
    QFETCH(QString, text);
    QCOMPARE(decodePlaylistText(bytes, CodePage(charset), utf8Only), text);
}

void tst_PlaylistReader::pls_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("messagePart");

    const QStringList ab = strings({"/m/a.mp3", "/m/b.mp3"});
    const QString notPls = QStringLiteral("此文件不是有效的PLS文件！");
    QTest::newRow("as written") << "[playlist]\r\nFile1=/m/a.mp3\r\nFile2=/m/b.mp3\r\n"
                                   "NumberOfEntries=2\r\nVersion=2\r\n"
                                << Status::Read << ab << "";
    QTest::newRow("header in another case, lf only")
        << "[Playlist]\nfile1=/m/a.mp3\nFILE2=/m/b.mp3\nnumberofentries=2\n"
        << Status::Read << ab << "";
    QTest::newRow("empty file") << "" << Status::NotPls << QStringList() << notPls;
    QTest::newRow("blank first line") << "\r\n[playlist]\r\nNumberOfEntries=0\r\n"
                                      << Status::NotPls << QStringList() << notPls;
    QTest::newRow("blanks around header") << " [playlist]\r\nNumberOfEntries=0\r\n"
                                          << Status::NotPls << QStringList() << notPls;
    QTest::newRow("blank after header") << "[playlist] \r\nNumberOfEntries=0\r\n"
                                        << Status::NotPls << QStringList() << notPls;
    QTest::newRow("entries beyond the count ignored")
        << "[playlist]\r\nFile1=/m/a.mp3\r\nFile2=/m/b.mp3\r\nFile3=/m/c.mp3\r\n"
           "NumberOfEntries=2\r\n"
        << Status::Read << ab << "";
    QTest::newRow("no count") << "[playlist]\r\nFile1=/m/a.mp3\r\n"
                              << Status::Read << QStringList() << "";
    QTest::newRow("negative count") << "[playlist]\r\nFile1=/m/a.mp3\r\nNumberOfEntries=-5\r\n"
                                    << Status::Read << QStringList() << "";
    QTest::newRow("count with letters")
        << "[playlist]\r\nNumberOfEntries= 2A\r\nFile1=/m/a.mp3\r\nFile2=/m/b.mp3\r\n"
        << Status::Read << ab << "";
    QTest::newRow("missing key names the entry")
        << "[playlist]\r\nFile1=/m/a.mp3\r\nNumberOfEntries=3\r\nFile3=/m/c.mp3\r\n"
        << Status::Failed << QStringList() << "第2项";
    QTest::newRow("blank value") << "[playlist]\r\nFile1=  \r\nNumberOfEntries=1\r\n"
                                 << Status::Failed << QStringList() << "第1项";
    QTest::newRow("count above the table") << "[playlist]\r\nNumberOfEntries=99999999999\r\n"
                                           << Status::Failed << QStringList() << "32767";
    QTest::newRow("profile rules")
        << "[playlist]\r\n  ; File1=/m/commented.mp3\r\nno equals here\r\n"
           "\t File1 \t=\t \"/m/a.mp3\" \r\nFile1=/m/second.mp3\r\nFile2=' /m/b.mp3 '\r\n"
           "File3=\"/m/q.mp3'\r\nFile4=/m/x;y #z.mp3\r\nNumberOfEntries=4\r\n"
           "[playlist]\r\nFile5=/m/other.mp3\r\nNumberOfEntries=5\r\n"
        << Status::Read << strings({"/m/a.mp3", "/m/b.mp3", "\"/m/q.mp3'", "/m/x;y #z.mp3"}) << "";
    QTest::newRow("sections") << "[playlist]\r\n[other]\r\nNumberOfEntries=1\r\n"
                                 "  [ PLAYLIST ] ignored\r\nNumberOfEntries=1\r\nFile1=/m/a.mp3\r\n"
                              << Status::Read << QStringList() << "";
    const QString longPath = QStringLiteral("/m/") + QString(300, QLatin1Char('x'));
    QTest::newRow("values read whole") << QStringLiteral("[playlist]\r\nFile1=") + longPath +
                                              QStringLiteral("\r\nNumberOfEntries=1\r\n")
                                       << Status::Read << QStringList{longPath} << "";
}

void tst_PlaylistReader::pls() {
    QFETCH(QString, text);
    QFETCH(Status, status);
    QFETCH(QStringList, paths);
    QFETCH(QString, messagePart);
    comparePaths(readPlsPaths(text, list), status, paths, messagePart);
}

void tst_PlaylistReader::m3u_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("messagePart");

    const QStringList ab = strings({"/m/a.mp3", "/m/b.mp3"});
    QTest::newRow("as written") << "#EXTM3U\r\n/m/a.mp3\r\n/m/b.mp3\r\n"
                                << Status::Read << ab << "";
    QTest::newRow("no header, lf only") << "/m/a.mp3\n/m/b.mp3\n" << Status::Read << ab << "";
    QTest::newRow("cr only, no last end")
        << "#EXTM3U\r/m/a.mp3\r/m/b.mp3" << Status::Read << ab << "";
    QTest::newRow("comments and blanks")
        << "#EXTM3U\n#EXTINF:12,A\n  /m/a.mp3\t\n\n# x\n/m/b.mp3 \n"
        << Status::Read << ab << "";
    QTest::newRow("empty") << "" << Status::Read << QStringList() << "";
    QTest::newRow("one file twice") << "/m/a.mp3\r\n/m/a.mp3\r\n"
                                    << Status::Read << strings({"/m/a.mp3", "/m/a.mp3"}) << "";
    QTest::newRow("relative stays relative")
        << "sub/a.mp3\r\n../b.mp3\r\n"
        << Status::Read << strings({"sub/a.mp3", "../b.mp3"}) << "";
    QTest::newRow("file uris") << "file:///m/a%20b.mp3\nFILE://localhost/m/%E6%AD%8C.mp3\n"
                               << Status::Read << strings({"/m/a b.mp3", "/m/歌.mp3"}) << "";
    QTest::newRow("blank line names its number") << "#EXTM3U\r\n/m/a.mp3\r\n   \r\n"
                                                 << Status::Failed << QStringList() << "第3行";
}

void tst_PlaylistReader::m3u() {
    QFETCH(QString, text);
    QFETCH(Status, status);
    QFETCH(QStringList, paths);
    QFETCH(QString, messagePart);
    comparePaths(readM3uPaths(text, list), status, paths, messagePart);
}

void tst_PlaylistReader::ram_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("messagePart");

    QTest::newRow("as written") << "file://C:\\Music\\a.mp3\r\nfile:///m/b.mp3\r\n"
                                << Status::Read << strings({"C:\\Music\\a.mp3", "/m/b.mp3"}) << "";
    QTest::newRow("one entry, no line end")
        << "file:///m/a.mp3" << Status::Read << strings({"/m/a.mp3"}) << "";
    QTest::newRow("any prefix loses seven")
        << "http://x/a.mp3\nabcdefg  /m/b.mp3  \n\n"
        << Status::Read << strings({"x/a.mp3", "/m/b.mp3"}) << "";
    QTest::newRow("empty") << "" << Status::Read << QStringList() << "";
    QTest::newRow("nothing after the prefix")
        << "file:///m/a.mp3\rfile://\r" << Status::Failed << QStringList() << "第2行";
}

void tst_PlaylistReader::ram() {
    QFETCH(QString, text);
    QFETCH(Status, status);
    QFETCH(QStringList, paths);
    QFETCH(QString, messagePart);
    comparePaths(readRamPaths(text, list), status, paths, messagePart);
}

QTEST_GUILESS_MAIN(tst_PlaylistReader)
#include "tst_playlistreader.moc"
