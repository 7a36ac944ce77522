#include "platform/codepage.h"
#include "playlist/playlistreader.h"
#include "playlist/playlistwriter.h"
#include "playlist/relocation.h"
#include "playlist/textencoding.h"
#include "playlistwindow.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QPalette>
#include <QRegularExpression>

using Kind = PlaylistEntry::Kind;
using Rows = std::vector<PlaylistEntry>;
using Entries = QList<ListedEntry>;

// What the table keeps of an entry that a playlist named.
struct Row {
    Kind kind;
    QString path, title{};
    int length = -1;
    bool relative = false;
    QStringList directives{};
    auto tied() const { return std::tie(kind, path, title, length, relative, directives); }
    bool operator==(const Row &other) const { return tied() == other.tied(); }
};
char *toString(const Row &r) {
    return QTest::toString(r.tied());
}
bool operator==(const ListedEntry &a, const ListedEntry &b) {
    return std::tie(a.location, a.title, a.length) == std::tie(b.location, b.title, b.length);
}
char *toString(const ListedEntry &e) {
    return QTest::toString(std::tuple(e.location, e.title, e.length));
}

// The document as the user sees it; of a closed window, only that it closed.
struct State {
    QString listname, caption, count;
    bool rowCommands = false, saved = false, edited = false, closed = false;
    auto tied() const {
        return std::tie(listname, caption, count, rowCommands, saved, edited, closed);
    }
    bool operator==(const State &other) const { return tied() == other.tied(); }
};
char *toString(const State &s) {
    return QTest::toString(s.tied());
}

// The document before the command, made by the real commands: a.mp3 added to a fresh list;
// that saved as own.m3u; l.php (l.m3u under another name) opened; l.m3u opened; that with b.mp3
// added, or with every row checked.
enum Start { Unnamed, Saved, Foreign, Opened, Edited, Checked };

// A File command on a prepared document, the user's answers, and what it must leave.
struct Command {
    const char *item; // nullptr: the window's close box
    Start start;
    std::optional<MessageAnswer> answer; // to the unsaved-list question; none: not asked
    QStringList open, save;              // the dialogs' answers; "": cancelled
    std::optional<State> after;          // none: as before
    QString written{};                   // the one file written, with these bytes
    QByteArray bytes{};
    QString message{}; // a part of the one message after the question
    MessageIcon icon = MessageIcon::Warning;
    int filter = 0; // the entry chosen in the save dialog
};

PlaylistEntry entry(const QString &path, Kind kind = Kind::File, const QString &title = {},
                    int length = -1, bool relative = false) {
    const QString name = path.section(QRegularExpression("[/\\\\]"), -1);
    return {name, {}, path, {}, {}, false, kind, title, length, relative};
}

QByteArray asxEntry(const QByteArray &title, const QByteArray &path, const QByteArray &clock = {}) {
    const QByteArray duration = clock.isEmpty() ? "" : "<Duration value = \"" + clock + "\" />\r\n";
    return "<Entry>\r\n<Title >" + title + "</Title>\r\n" + duration +
           "<Param Name = \"SourceURL\" Value = \"" + path + "\" />\r\n<Ref href = \"" + path +
           "\"/>\r\n</Entry>\r\n";
}
const QByteArray AsxStart = "<Asx Version = \"3.0\" > \r\n", AsxEnd = "</Asx>\r\n";
const QByteArray XspfStart =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<playlist version=\"1\" "
    "xmlns=\"http://xspf.org/ns/0/\">\r\n  <trackList>\r\n";
const QByteArray XspfEnd = "  </trackList>\r\n</playlist>\r\n";
QByteArray xspfTrack(const QByteArray &location, const QByteArray &more = {}) {
    return "    <track>\r\n      <location>" + location + "</location>\r\n" + more +
           "    </track>\r\n";
}

class TestPlaylistFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    // The files of one test, made afresh for each in the same place, so that rows can name them.
    const QString m_work = m_root.filePath("work");
    std::unique_ptr<PlaylistWindow> w;

    QString at(const QString &name) const { return m_work + '/' + name; }
    QByteArray bytesAt(const QString &name) const { return at(name).toUtf8(); }
    void trigger(const char *item) { w->item(item)->trigger(); }
    void saveAs(const QString &name) {
        w->fakes.fileDialog->saveAnswers.push_back(at(name));
        trigger("munfilesaveas");
    }
    QList<Row> rows() const {
        QList<Row> result;
        for (const PlaylistEntry &e : w->form.model().entries())
            result << Row{e.kind, e.path, e.title, e.length, e.relative, e.directives};
        return result;
    }
    State state() const {
        if (!w->form.isVisible())
            return {{}, {}, {}, false, false, false, true};
        const frmmain &form = w->form;
        return {form.listname, form.windowTitle(), w->countText(), form.muneditdelete->isEnabled(),
                form.saved(),  form.edited()};
    }
    State named(const QString &name, int rows, bool saved, bool edited = false) const {
        const QString count = QString("共有%1个节目文件！").arg(rows);
        return {at(name), "VantrelV 1.0 --- " + at(name), count, rows > 0, saved, edited};
    }
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> result;
        QDirIterator it(m_work, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            result[path] = w->read(path);
        }
        return result;
    }

    void prepare(Start start) {
        w->make("l.m3u", "#EXTM3U\na.mp3\n歌.mp3\na.mp3\n");
        w->make("b.m3u", "#EXTM3U\r\nb.mp3\r\n");
        w->make("old.pls", "old");
        w->make("l.php", "#EXTM3U\na.mp3\n歌.mp3\na.mp3\n");
        if (start == Unnamed || start == Saved)
            w->add({at("a.mp3")});
        w->fakes.fileDialog->saveAnswers = {at("own.m3u")};
        if (start == Saved)
            trigger("munfilesave");
        if (start == Foreign)
            w->open("l.php");
        if (start >= Opened)
            w->open("l.m3u");
        if (start == Edited)
            w->add({at("b.mp3")});
        if (start == Checked)
            trigger("muneditselectall");
        *w->fakes.fileDialog = {};
        w->fakes.messageBoxes->shown.clear();
    }

private Q_SLOTS:
    void init() {
        QVERIFY(QDir(m_work).removeRecursively());
        w = std::make_unique<PlaylistWindow>(m_work);
        for (const char *name :
             {"a.mp3", "b.mp3", "歌.mp3", "sub/c.mp3", "track #1.mp3", "literal%20name.mp3",
              "album/d.mp3", "Don’t stop.mp3", "Café.mp3", "back\\slash.mp3"})
            w->make(name, "id3");
        w->form.show();
    }

    // The bytes written for rows, or the refusal.
    void writerGivesTheseBytes_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QByteArray>("charset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *name, const QString &target, const Rows &rows,
                            const QByteArray &bytes, const QByteArray &charset = "UTF-8",
                            const QString &error = {}) {
            QTest::newRow(name) << target << rows << charset << bytes << error;
        };
        // Check marks play no part.
        Rows music{entry("C:\\Music\\a.mp3"), entry("C:\\Music\\b.mp3")};
        music[1].checked = true;
        const QByteArray pls = "[playlist]\r\nFile1=C:\\Music\\a.mp3\r\nFile2=C:\\Music\\b.mp3\r\n"
                               "NumberOfEntries=2\r\nVersion=2\r\n";
        row("pls, 86 bytes, extension in any case", "/l/l.PLS", music, pls, "GBK");
        row("ram, 46 bytes", "/l/l.ram", music,
            "file://C:\\Music\\a.mp3\r\nfile://C:\\Music\\b.mp3\r\n");

        const Rows song{entry("/音乐/歌.mp3")};
        row("code page", "/l/l.m3u", song, "#EXTM3U\r\n/\xd2\xf4\xc0\xd6/\xb8\xe8.mp3\r\n", "GBK");
        row("m3u8 in utf-8 whatever the code page", "/l/l.m3u8", song,
            "#EXTM3U\r\n/\xe9\x9f\xb3\xe4\xb9\x90/\xe6\xad\x8c.mp3\r\n", "GBK");
        row("asx escaped", "/l/l.asx", {entry("/m/<&\">")},
            AsxStart + asxEntry("&lt;&amp;&quot;&gt;", "/m/&lt;&amp;&quot;&gt;") + AsxEnd);

        const Rows titled{entry("/m/a.mp3", Kind::File, "A & B", 205),
                          entry("/m/b.mp3", Kind::File, {}, 61),
                          entry("/m/c.mp3", Kind::Missing, "C")};
        row("titles and lengths: m3u", "/l/l.m3u", titled,
            "#EXTM3U\r\n#EXTINF:205,A & B\r\n/m/a.mp3\r\n#EXTINF:61,\r\n/m/b.mp3\r\n"
            "#EXTINF:-1,C\r\n/m/c.mp3\r\n");
        row("titles and lengths: asx", "/l/l.asx", titled,
            AsxStart + asxEntry("A &amp; B", "/m/a.mp3", "00:03:25") +
                asxEntry("b.mp3", "/m/b.mp3", "00:01:01") + asxEntry("C", "/m/c.mp3") + AsxEnd);
        const Rows misread{entry("/m/track #1.mp3"), entry("/m/literal%20name.mp3"),
                           entry("/m/why?.mp3"), entry("/m/100%.mp3")};
        row("names players misread: m3u", "/l/l.m3u", misread,
            "#EXTM3U\r\nfile:///m/track%20%231.mp3\r\nfile:///m/literal%2520name.mp3\r\n"
            "file:///m/why%3F.mp3\r\n/m/100%.mp3\r\n");
        row("names players misread: ram", "/l/l.ram", {misread[0], misread[3], entry("/m/é 'x'")},
            "file:///m/track%20%231.mp3\r\nfile:///m/100%25.mp3\r\nfile:///m/%C3%A9%20'x'\r\n");

        const Rows relative{entry("/m/a.mp3", Kind::File, {}, -1, true),
                            entry("/m/sub/c.mp3", Kind::Folder, {}, -1, true),
                            entry("/other/x.mp3", Kind::Missing, {}, -1, true),
                            entry("/m/b.mp3"),
                            entry("/m/x #1.mp3", Kind::File, {}, -1, true),
                            entry("http://r.example/?a=1&b=2", Kind::Address)};
        row("relative where it can be: m3u", "/m/l.m3u", relative,
            "#EXTM3U\r\na.mp3\r\nsub/c.mp3\r\n/other/x.mp3\r\n/m/b.mp3\r\n"
            "file:///m/x%20%231.mp3\r\nhttp://r.example/?a=1&b=2\r\n");
        // Blanks first in a relative name, last in any.
        const Rows odd{entry("/m/ 01 leading.mp3", Kind::File, {}, -1, true),
                       entry("/m/trailing.mp3 "),
                       entry("/m/\u3000.mp3", Kind::File,
                             "a\x01"
                             "b\r\nc\ufffe",
                             -1, true),
                       entry(u"/m/ok.mp3\0.x"_s),
                       entry("/c:/x.mp3"),
                       entry("/m/file:x.mp3", Kind::File, {}, -1, true),
                       entry("/m/100% pure.mp3", Kind::File, {}, -1, true)};
        row("names a reader would misread: m3u", "/m/l.m3u", odd,
            "#EXTM3U\r\nfile:///m/%2001%20leading.mp3\r\nfile:///m/trailing.mp3%20\r\n"
            "#EXTINF:-1,ab c\r\nfile:///m/%E3%80%80.mp3\r\nfile:///m/ok.mp3%00.x\r\n"
            "/./c:/x.mp3\r\n./file:x.mp3\r\n100% pure.mp3\r\n");
        row("names a reader would misread: xspf", "/m/l.xspf", {odd[2], odd[4], odd[5], odd[6]},
            XspfStart + xspfTrack("%E3%80%80.mp3", "      <title>ab c</title>\r\n") +
                xspfTrack("file:///./c:/x.mp3") + xspfTrack("./file:x.mp3") +
                xspfTrack("100%25%20pure.mp3") + XspfEnd);
        row("names a reader would misread: asx", "/m/l.asx",
            {odd[2], odd[3], entry("http://h/a\x01", Kind::Address, "\x01 ")},
            AsxStart + asxEntry("ab c", "file:///m/%E3%80%80.mp3") +
                asxEntry("ok.mp3.x", "file:///m/ok.mp3%00.x") + asxEntry("a", "http://h/a%01") +
                AsxEnd);
        row("refused: line feed", "/l/l.m3u", {entry("/m/a\nb.mp3")}, {}, "UTF-8",
            "无法保存“/l/l.m3u”：路径“/m/a\nb.mp3”中含有换行符，不能写入列表文件。");
        row("refused: not in gbk", "/l/l.pls", {entry("/m/🎵.mp3")}, {}, "GBK",
            "无法保存“/l/l.pls”：路径“/m/🎵.mp3”中含有系统字符集不能表示的字符。");
    }

    void writerGivesTheseBytes() {
        QFETCH(QString, target);
        QFETCH(Rows, rows);
        QFETCH(QByteArray, charset);
        WriteOptions options;
        options.codePage = CodePage(charset);
        const Result<QByteArray> encoded = encodePlaylist(target, rows, options);
        QTEST(encoded.error(), "error");
        QTEST(encoded.ok() ? encoded.value() : QByteArray(), "bytes");
    }

    // The entries of a playlist text as written, or why the text is no playlist of its format.
    void readerGivesTheseEntries_data() {
        QTest::addColumn<PlaylistFormat>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *name, PlaylistFormat format, const QString &text,
                            const Entries &entries, const QString &error = {}) {
            QTest::newRow(name) << format << text << entries << error;
        };
        row("pls: any case, lf, profile rules, every file past the count, in number order",
            PlaylistFormat::Pls,
            "\r\n \t\n[Playlist]\n  ; File1=x\nno equals\n\t file1 \t=\t \"a.mp3\" \nFile1=x\n"
            "File12=l.mp3\nFILE2=' b.mp3 '\nTitle2=B\nLENGTH2=61\nnumberofentries= 1A\n"
            "File3=\"q.mp3'\nFile4=#x; y=1.mp3\nFile05=x\nFile9=",
            {{"a.mp3"}, {"b.mp3", "B", 61}, {"\"q.mp3'"}, {"#x; y=1.mp3"}, {"l.mp3"}});
        row("pls: missing keys skipped, later sections unread", PlaylistFormat::Pls,
            "[playlist]\nFile1=a.mp3\nNumberOfEntries=3\nFile3=c.mp3\n[other]\nFile2=b.mp3\n",
            {{"a.mp3"}, {"c.mp3"}});
        row("pls: no count, every file key", PlaylistFormat::Pls, "[playlist]\nFile1=a\nfile3=c\n",
            {{"a"}, {"c"}});
        row("m3u: extinf, comments, blanks, locations as written", PlaylistFormat::M3u,
            "#EXTM3U\n#EXTINF:12,A, B\n  ../a.mp3\t\n\n# x\nc.mp3 \n#EXTINF:-1 tvg-id=\"1\",Radio\n"
            "http://r.example/live\n#EXTINF:bad\nfile:///m/%E6%AD%8C.mp3",
            {{"../a.mp3", "A, B", 12},
             {"c.mp3"},
             {"http://r.example/live", "Radio"},
             {"file:///m/%E6%AD%8C.mp3"}});
        row("m3u: no header, cr only, no last line end", PlaylistFormat::M3u, "a.mp3\rb.mp3",
            {{"a.mp3"}, {"b.mp3"}});
        row("ram: every line whole", PlaylistFormat::Ram,
            "file://C:\\Music\\a.mp3\r\nrtsp://m.example/talk\n  b.mp3 \n\n",
            {{"file://C:\\Music\\a.mp3"}, {"rtsp://m.example/talk"}, {"b.mp3"}});
        row("asx as other programs write it", PlaylistFormat::Asx,
            "<?xml version=\"1.0\"?>\n<!-- <Entry><Ref href=\"no.mp3\"/></Entry> -->\n"
            "<ASX version=\"3.0\"><TITLE>List</TITLE>\n<ENTRY><TITLE>Song &amp; Co&#x21;</TITLE>"
            "<DURATION VALUE=\"00:03:25.5\"/><REF HREF='a.mp3'/><Ref href=\"b.mp3\"/></ENTRY>\n"
            "<entry><ref href=http://r.example/?a=1&b=2 /></entry>\n<Entry><Ref href = "
            "C:\\Music\\a.mp3/></Entry><Entry><Title>no reference</Title></Entry></asx>",
            {{"a.mp3", "Song & Co!", 205}, {"http://r.example/?a=1&b=2"}, {"C:\\Music\\a.mp3"}});
        row("asx: decimal character references", PlaylistFormat::Asx,
            "<asx><entry><title>Hi&#33; &#20320;</title><ref href=\"a&#33;.mp3\"/></entry></asx>",
            {{"a!.mp3", "Hi! 你"}});
        row("xspf: a track's second location is only another source", PlaylistFormat::Xspf,
            "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\"><trackList><track>"
            "<location>a.mp3</location><location>b.mp3</location></track></trackList></playlist>",
            {{"a.mp3"}});
        row("xspf", PlaylistFormat::Xspf,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<playlist version=\"1\" "
            "xmlns=\"http://xspf.org/ns/0/\"><title>List</title><trackList>\n<track><location>"
            "file:///m/%E6%AD%8C.mp3</location><title>歌</title><duration>61500</duration>"
            "</track>\n<track><location>sub/my%20song.mp3</location></track><track><title>none"
            "</title></track><track><location>http://r.example/?a=1&amp;b=2</location></track>"
            "</trackList></playlist>",
            {{"file:///m/%E6%AD%8C.mp3", "歌", 62},
             {"sub/my song.mp3"},
             {"http://r.example/?a=1&b=2"}});
        QString asx = "<asx>";
        Entries timed;
        const QStringList durations{"01:00:01.01", "02m25s", "24.59", "61", "2:05", "1:2:3.9", "x"};
        for (const int seconds : {3601, 145, 1499, 61, 125, 3723, -1}) {
            const QString value = durations[timed.size()];
            asx += "<entry><duration value='" + value + "'/><ref href='" + value + "'/></entry>";
            timed << ListedEntry{value, {}, seconds};
        }
        row("asx: durations, fractions dropped", PlaylistFormat::Asx, asx + "</asx>", timed);
        row("pls in .m3u, blank lines first", PlaylistFormat::M3u, "\n\n[Playlist]\nFile1=a",
            {{"a"}});
        row("[Reference] with RefN in an .asx", PlaylistFormat::Asx,
            "[Reference]\nRef2=http://s/2\nRef1=http://s/1", {{"http://s/1"}, {"http://s/2"}});
        const QString notPls = "此文件不是有效的PLS文件！", notXspf = "此文件不是有效的XSPF文件！";
        const QString tooMany = "列表文件“l”有%1项，超过了列表最多能容纳的32767项，列表没有打开。";
        row("pls: empty", PlaylistFormat::Pls, {}, {}, notPls);
        row("pls: blanks around the header", PlaylistFormat::Pls, " [playlist]\t\r\n", {}, notPls);
        QString manyFiles = "[playlist]\nNumberOfEntries=1\n";
        for (int n = 1; n <= MaxRows + 2; ++n)
            manyFiles += QString("File%1=a\n").arg(n);
        row("pls: more files than the table holds", PlaylistFormat::Pls, manyFiles, {},
            tooMany.arg("32768"));
        row("m3u: more than the table holds", PlaylistFormat::M3u,
            QString("a.mp3\n").repeated(MaxRows + 1), {}, tooMany.arg("32768"));
        row("asx: other xml", PlaylistFormat::Asx, "<smil/>", {}, "此文件不是有效的ASX文件！");
        row("xspf: cut short", PlaylistFormat::Xspf, "<playlist><trackList>", {}, notXspf);
    }

    void readerGivesTheseEntries() {
        QFETCH(PlaylistFormat, format);
        QFETCH(QString, text);
        // format is the extension's: the content may say another.
        const QString list = "l." + formatInfo(format).extensions.first();
        const auto read = readPlaylistEntries(formatToRead(text, list)->format, text, "l");
        QTEST(read.error(), "error");
        QTEST(read.ok() ? Entries(read.value().cbegin(), read.value().cend()) : Entries(),
              "entries");
    }

    // The locations a list in a legacy character set gives, with these files beside it.
    void legacyTextIsReadSo_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("locations");
        // GB18030 reads these "Don抰.mp3" and "歌.mp3", Windows-1252 "Don’t.mp3" and "¸è.mp3".
        const auto row = [](const char *name, const QByteArray &bytes, const char *locale,
                            const QStringList &locations) {
            QTest::newRow(name) << bytes << QLocale(locale) << locations;
        };
        const QByteArray dont = "Don\x92t.mp3\n", song = "\xb8\xe8.mp3\n";
        row("windows-1252 fails on its undefined bytes", "\x81\x40\n", "en_US", {"丂"});
        row("tie under zh_CN: gb18030", dont + song, "zh_CN", {"Don抰.mp3", "歌.mp3"});
        row("tie elsewhere: windows-1252", dont + song, "en_US", {"Don’t.mp3", "¸è.mp3"});
        row("gb18030 names more files", dont + song + song, "en_US",
            {"Don抰.mp3", "歌.mp3", "歌.mp3"});
        row("windows-1252 names more files", dont + dont + song, "zh_CN",
            {"Don’t.mp3", "Don’t.mp3", "¸è.mp3"});
    }

    void legacyTextIsReadSo() {
        QFETCH(QByteArray, bytes);
        QFETCH(QLocale, locale);
        for (const char *name : {"Don’t.mp3", "歌.mp3", "\u0081@"})
            w->make(name, "id3");
        const auto read = readLegacyEntries(PlaylistFormat::M3u, bytes, "l", m_work, locale);
        QStringList locations;
        for (const ListedEntry &entry : read.value())
            locations << entry.location;
        QTEST(locations, "locations");
    }

    // A list opened gives these rows; Save As writes them as copyBytes; the copy opens to the same
    // rows, and saved in the list's own format (the copy's where Vantrel cannot write that) gives
    // backBytes; with backCharset, for Windows: "\\" and that character set.
    void openThenSaveAsKeepsEveryEntry_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<Row>>("rows");
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QByteArray>("copyBytes");
        QTest::addColumn<QByteArray>("backBytes");
        QTest::addColumn<QByteArray>("backCharset");
        const auto row = [](const char *name, const QString &list, const QByteArray &bytes,
                            const QList<Row> &rows, const QString &copy,
                            const QByteArray &copyBytes, const QByteArray &backBytes,
                            const QByteArray &backCharset = {}) {
            QTest::newRow(name) << list << bytes << rows << copy << copyBytes << backBytes
                                << backCharset;
        };
        const QByteArray w = m_work.toUtf8();

        const QByteArray m3u = "#EXTM3U\r\na.mp3\r\nnone.mp3\r\n#EXTINF:-1,Live\r\n#EXTVLCOPT:a\r\n"
                               "http://radio.example/live?a=1\r\n#EXTGRP:x\r\nalbum\r\n" +
                               w + "/b.mp3\r\n";
        row("m3u: a missing file, a stream titled after quoted attributes, #EXT lines, a folder",
            "l.m3u", QByteArray(m3u).replace("-1,", "-1 tvg-name=\"Live, TV\" group-title=\"a\","),
            {{Kind::File, at("a.mp3"), {}, -1, true},
             {Kind::Missing, at("none.mp3"), {}, -1, true},
             {Kind::Address, "http://radio.example/live?a=1", "Live", -1, false, {"#EXTVLCOPT:a"}},
             {Kind::Folder, at("album"), {}, -1, true, {"#EXTGRP:x"}},
             {Kind::File, at("b.mp3")}},
            "copy.m3u", m3u, m3u);
        const QByteArray ram = "file:///music/b%20c.mp3\r\nrtsp://media.example/talk\r\na.mp3\r\n"
                               "file://C:\\Music\\x.mp3\r\n";
        row("ram: escapes, streams, plain lines, comments, a drive, nothing after --stop--",
            "l.ram", "# made by hand\r\n\r\n" + ram + "--stop--\r\nb.mp3\r\n",
            {{Kind::Missing, "/music/b c.mp3"},
             {Kind::Address, "rtsp://media.example/talk"},
             {Kind::File, at("a.mp3"), {}, -1, true},
             {Kind::Missing, "C:\\Music\\x.mp3"}},
            "copy.ram", ram, ram);
        const auto pls = [](const QByteArray &first) {
            return "[playlist]\r\nFile1=" + first +
                   "\r\nFile2=sub/c.mp3\r\nTitle2=Artist - Song\r\nLength2=205\r\n"
                   "File3=http://radio.example/live\r\nTitle3=Radio\r\nFile4=none.mp3\r\n"
                   "NumberOfEntries=4\r\nVersion=2\r\n";
        };
        row("pls to m3u to pls: uris, titles, lengths, relative", "l.pls",
            pls("file://localhost" + w + "/%E6%AD%8C.mp3"),
            {{Kind::File, at("歌.mp3")},
             {Kind::File, at("sub/c.mp3"), "Artist - Song", 205, true},
             {Kind::Address, "http://radio.example/live", "Radio"},
             {Kind::Missing, at("none.mp3"), {}, -1, true}},
            "copy.m3u",
            "#EXTM3U\r\n" + bytesAt("歌.mp3") +
                "\r\n#EXTINF:205,Artist - Song\r\nsub/c.mp3\r\n"
                "#EXTINF:-1,Radio\r\nhttp://radio.example/live\r\nnone.mp3\r\n",
            pls(bytesAt("歌.mp3")));
        const QByteArray titled =
            "#EXTM3U\r\n#EXTINF:61,歌\r\n歌.mp3\r\n#EXTINF:-1,Radio & News\r\n"
            "http://radio.example/live?a=1&b=2\r\nnone.mp3\r\nfile://" +
            w + "/literal%2520name.mp3\r\n";
        row("m3u to xspf to m3u", "l.m3u", titled,
            {{Kind::File, at("歌.mp3"), "歌", 61, true},
             {Kind::Address, "http://radio.example/live?a=1&b=2", "Radio & News"},
             {Kind::Missing, at("none.mp3"), {}, -1, true},
             {Kind::File, at("literal%20name.mp3")}},
            "copy.xspf",
            XspfStart +
                xspfTrack("歌.mp3",
                          "      <title>歌</title>\r\n      <duration>61000</duration>\r\n") +
                xspfTrack("http://radio.example/live?a=1&amp;b=2",
                          "      <title>Radio &amp; News</title>\r\n") +
                xspfTrack("none.mp3") + xspfTrack("file://" + w + "/literal%2520name.mp3") +
                XspfEnd,
            titled);
        const QByteArray uri = "file://" + w + "/track%20%231.mp3";
        const QByteArray asx = AsxStart + asxEntry("Song &amp; Co", "a.mp3") +
                               asxEntry("none.mp3", "none.mp3") + asxEntry("track #1.mp3", uri) +
                               asxEntry("live", "http://r.example/live") + AsxEnd;
        row("wvx of another program, names players misread, titles but a file's own name", "l.wvx",
            "<ASX version=\"3.0\"><ENTRY><TITLE>Song &amp; Co</TITLE><REF HREF=\"a.mp3\"/></ENTRY>"
            "<Entry><Ref href=\"none.mp3\"/><Title>none.mp3</Title></Entry><entry><ref href=\"" +
                uri +
                "\"/></entry><Entry><Title>live</Title><Ref href=\"http://r.example/live\"/>"
                "</Entry></ASX>",
            {{Kind::File, at("a.mp3"), "Song & Co", -1, true},
             {Kind::Missing, at("none.mp3"), {}, -1, true},
             {Kind::File, at("track #1.mp3")},
             {Kind::Address, "http://r.example/live", "live"}},
            "copy.asx", asx, asx);

        const auto windows = [](const QByteArray &in, const QByteArray &song,
                                const QByteArray &unc) {
            return "#EXTM3U\r\nsub" + in + "c.mp3\r\n" + song + ".mp3\r\nE:\\gone\\x.mp3\r\n" +
                   unc + "a b.mp3\r\nback\\slash.mp3\r\ngone\\y.mp3\r\n";
        };
        row("gbk m3u from windows: \\, drives below the list or not, unc, \\ in names or not",
            "l.m3u", windows("\\", "D:\\\xb8\xe8", "\\\\server\\share\\"),
            {{Kind::File, at("sub/c.mp3"), {}, -1, true},
             {Kind::File, at("歌.mp3"), {}, -1, true},
             {Kind::Missing, "E:\\gone\\x.mp3"},
             {Kind::Address, "smb://server/share/a b.mp3"},
             {Kind::File, at("back\\slash.mp3"), {}, -1, true},
             {Kind::Missing, at("gone\\y.mp3"), {}, -1, true}},
            "copy.m3u8", windows("/", "歌", "smb://server/share/"),
            windows("\\", "\xb8\xe8", "smb://server/share/"), "GBK");
        const auto western = [](const QByteArray &apostrophe, const QByteArray &e) {
            return "[playlist]\r\nFile1=..\\Don" + apostrophe + "t stop.mp3\r\nFile2=..\\Caf" + e +
                   ".mp3\r\nNumberOfEntries=2\r\nVersion=2\r\n";
        };
        row("windows-1252 pls from windows in a folder below, not gb18030", "sub/l.pls",
            western("\x92", "\xe9"),
            {{Kind::File, at("Don’t stop.mp3"), {}, -1, true},
             {Kind::File, at("Café.mp3"), {}, -1, true}},
            "sub/copy.m3u8", "#EXTM3U\r\n../Don’t stop.mp3\r\n../Café.mp3\r\n",
            western("\xa1\xaf", "\xa8\xa6"), "GBK");
        const QByteArray based = "#EXTM3U\r\n../album/d.mp3\r\nhttp://s.example/one/two\r\n";
        row("xspf in a .php, a relative xml:base", "sub/l.php",
            "<!-- x --><playlist xml:base=\"../\"><trackList xml:base=\"album/\"><track><location>"
            "d.mp3</location></track><track><location xml:base=\"http://s.example/one/\">two"
            "</location></track></trackList></playlist>",
            {{Kind::File, at("album/d.mp3"), {}, -1, true},
             {Kind::Address, "http://s.example/one/two"}},
            "sub/copy.m3u", based, based);
    }

    void openThenSaveAsKeepsEveryEntry() {
        QFETCH(QString, list);
        QFETCH(QByteArray, bytes);
        QFETCH(QList<Row>, rows);
        QFETCH(QString, copy);
        QFETCH(QByteArray, backCharset);
        w->open(w->make(list, bytes));
        QCOMPARE(this->rows(), rows);
        saveAs(copy);
        QTEST(w->read(copy), "copyBytes");
        w->open(copy);
        QCOMPARE(this->rows(), rows);
        const QString back = QFileInfo(list).dir().filePath(
            "back." + QFileInfo(formatOf(list) ? list : copy).suffix());
        const WriteOptions windows{WriteOptions::Relative::AsListed, CodePage(backCharset), true};
        if (backCharset.isEmpty())
            saveAs(back);
        QTEST(backCharset.isEmpty()
                  ? w->read(back)
                  : encodePlaylist(at(back), w->form.model().entries(), windows).value(),
              "backBytes");
        // Each Open of a list with missing entries says so once.
        const bool missing = std::any_of(rows.cbegin(), rows.cend(),
                                         [](const Row &row) { return row.kind == Kind::Missing; });
        QCOMPARE(w->fakes.messageBoxes->shown.size(), missing ? 2 : 0);
    }

    // A list on a stick names its music with "../": opened and saved elsewhere, each entry keeps
    // naming the same file.
    void relativeEntriesFollowTheList_data() {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<bool>("saveRelative");
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QByteArray>("copyBytes");
        const QByteArray w = m_work.toUtf8();
        QTest::newRow("../ kept beside the list")
            << QByteArray("../Music/a.mp3\r\n../Music/gone.mp3\r\n") << false << "Playlists/y.m3u"
            << QByteArray("#EXTM3U\r\n../Music/a.mp3\r\n../Music/gone.mp3\r\n");
        QTest::newRow("save as deeper")
            << QByteArray("../Music/a.mp3\r\n") << false << "Other/deep/y.m3u"
            << QByteArray("#EXTM3U\r\n../../Music/a.mp3\r\n");
        QTest::newRow("save as into the music")
            << QByteArray("../Music/a.mp3\r\n") << false << "Music/y.m3u"
            << QByteArray("#EXTM3U\r\na.mp3\r\n");
        QTest::newRow("absolute stays absolute") << w + "/Music/a.mp3\r\n"
                                                 << false << "Playlists/y.m3u"
                                                 << "#EXTM3U\r\n" + w + "/Music/a.mp3\r\n";
        QTest::newRow("saved relative: every local file, not the root's nor streams")
            << w + "/Music/a.mp3\r\n/nowhere/x.mp3\r\nhttp://r.example/a.mp3\r\n"
            << true << "Playlists/y.m3u"
            << QByteArray(
                   "#EXTM3U\r\n../Music/a.mp3\r\n/nowhere/x.mp3\r\nhttp://r.example/a.mp3\r\n");
    }

    void relativeEntriesFollowTheList() {
        QFETCH(QByteArray, entries);
        QFETCH(bool, saveRelative);
        QFETCH(QString, copy);
        w->make("Music/a.mp3", "id3");
        w->make("Other/deep/keep", "");
        w->open(w->make("Playlists/x.m3u", "#EXTM3U\r\n" + entries));
        QCOMPARE(rows().value(0).path, at("Music/a.mp3"));
        w->item("munfilerelative")->setChecked(saveRelative);
        saveAs(copy);
        QTEST(w->read(copy), "copyBytes");
        // The choice is remembered for the next run.
        QCOMPARE(w->fakes.settings->values.value("save/relativePaths").toBool(), saveRelative);
    }

    // 工具 > 保存标题和时长, off unless the user turned it on: a song without a title or a length
    // of its own is saved with its tags', "王菲 - Morning Song", 2 s.
    void savesTagsWhenAsked_data() {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray song = "song.mp3\r\n";
        QTest::newRow("off") << false << "#EXTM3U\r\n#EXTINF:-1,Own\r\n" + song + song;
        QTest::newRow("on") << true
                            << "#EXTM3U\r\n#EXTINF:2,Own\r\n" + song +
                                   "#EXTINF:2,王菲 - Morning Song\r\n" + song;
    }

    void savesTagsWhenAsked() {
        QFETCH(bool, on);
        QVERIFY(QFile::copy(VANTREL_TEST_DATA "/tagged.mp3", at("song.mp3")));
        QVERIFY(!w->item("muntooptags")->isChecked());
        w->item("muntooptags")->setChecked(on);
        // Saved at once, while the table still waits for the tags.
        w->open(w->make("l.m3u", "#EXTM3U\n#EXTINF:-1,Own\nsong.mp3\nsong.mp3\n"));
        saveAs("copy.m3u");
        QTEST(w->read("copy.m3u"), "bytes");
        const PlaylistWindow next(m_work, w->fakes.settings->values);
        QCOMPARE(next.item("muntooptags")->isChecked(), on);
    }

    void openNamesTheFirstMissingEntries() {
        w->open(w->make("l.m3u", "#EXTM3U\r\n#EXTINF:205,Song\r\na.mp3\r\nn1\r\nn2\r\nn3\r\nn4\r\n"
                                 "n5\r\nn6\r\n"));
        QCOMPARE(w->fakes.messageBoxes->shown.size(), 1);
        const ShownMessage &shown = w->fakes.messageBoxes->shown.first();
        const QStringList first{at("n1"), at("n2"), at("n3"), at("n4"), at("n5")};
        QCOMPARE(shown.text,
                 "列表中有6个节目文件找不到，它们以灰色显示，可用“编辑”菜单的“删除无效项”或"
                 "“重新定位…”修复：\n" +
                     first.join('\n') + "\n……");
        QCOMPARE(shown.icon, MessageIcon::Warning);
        QCOMPARE(state(), named("l.m3u", 7, false));
        const PlaylistModel &model = w->form.model();
        QCOMPARE(model.data(model.index(1, PlaylistModel::SizeColumn), Qt::ForegroundRole),
                 QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text));
        QCOMPARE(model.data(model.index(1, PlaylistModel::PathColumn), Qt::ToolTipRole),
                 "找不到此文件");
    }

    // A NUL or more than PATH_MAX bytes name no file: missing rows, the NUL never written; the
    // table shows the start and the end of a long path, its tooltip more.
    void entriesThatNameNoFile() {
        const QString longName = QString(5000, u'x') + ".mp3";
        w->open(w->make("l.m3u", QByteArray("a.mp3\0.x\n", 9) + longName.toUtf8() + "\n"));
        const QString nul = at("a.mp3") + QChar(0) + ".x", longPath = at(longName);
        QCOMPARE(rows(), (QList<Row>{{Kind::Missing, nul, {}, -1, true},
                                     {Kind::Missing, longPath, {}, -1, true}}));
        saveAs("copy.m3u");
        QCOMPARE(w->read("copy.m3u"), "#EXTM3U\r\nfile://" + bytesAt("a.mp3") + "%00.x\r\n" +
                                          longName.toUtf8() + "\r\n");
        const QModelIndex cell = w->form.model().index(1, PlaylistModel::PathColumn);
        QCOMPARE(cell.data().toString(), longPath.left(149) + "…" + longPath.right(150));
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(),
                 longPath.left(499) + "…" + longPath.right(500) + "\n找不到此文件");
    }

    void fullTable() {
        // Every other entry an address: rows built on several threads keep the order of the file.
        QByteArray list;
        for (int row = 0; row < MaxRows; ++row)
            list += row % 2 ? "http://h/" + QByteArray::number(row) + '\n' : QByteArray("a.mp3\n");
        w->open(w->make("full.m3u", list));
        const PlaylistModel &model = w->form.model();
        QCOMPARE(model.rowCount(), MaxRows);
        for (int row = 0; row < MaxRows; ++row)
            QCOMPARE(model.entry(row).path,
                     row % 2 ? "http://h/" + QString::number(row) : at("a.mp3"));
        saveAs("full.pls");
        QVERIFY(w->read("full.pls")
                    .endsWith("File32767=a.mp3\r\nNumberOfEntries=32767\r\nVersion=2\r\n"));
        QVERIFY(w->fakes.messageBoxes->shown.isEmpty());
    }

    void documentCommands_data() {
        QTest::addColumn<Command>("c");
        const auto row = [](const QString &name, const Command &c) {
            QTest::newRow(qPrintable(name)) << c;
        };
        const char *open = "munfileopen", *save = "munfilesave", *saveAs = "munfilesaveas";
        const auto no = std::nullopt;
        const MessageAnswer yes = MessageAnswer::Yes, cancel = MessageAnswer::Cancel;
        const QByteArray unnamed = "#EXTM3U\r\n" + bytesAt("a.mp3") + "\r\n";
        const QByteArray opened = "#EXTM3U\r\na.mp3\r\n歌.mp3\r\na.mp3\r\n";
        const State own = named("own.m3u", 1, false), b = named("b.m3u", 1, false);

        row("open", {open, Saved, no, {"l.m3u"}, {}, named("l.m3u", 3, false)});
        row("open, not a pls",
            {open, Saved, no, {"old.pls"}, {}, own, {}, {}, "不是有效的PLS", MessageIcon::None});
        row("open, two files",
            {open, Saved, no, {"l.m3u", "a.mp3"}, {}, own, {}, {}, "只选择一个"});
        row("open cancelled", {open, Saved, no, {""}, {}, own});
        row("open, unknown extension, content says nothing",
            {open, Saved, no, {"a.mp3"}, {}, own, {}, {}, "只能打开扩展名为"});
        row("open, list as opened", {open, Opened, no, {"b.m3u"}, {}, b});
        row("open, only check marks changed", {open, Checked, no, {"b.m3u"}, {}, b});
        row("open, edited: cancel", {open, Edited, cancel, {"b.m3u"}, {}, no});
        row("open, edited: no", {open, Edited, MessageAnswer::No, {"b.m3u"}, {}, b});
        row("open, edited: yes",
            {open, Edited, yes, {"b.m3u"}, {}, b, "l.m3u", opened + bytesAt("b.mp3") + "\r\n"});
        row("open, new list: yes", {open, Unnamed, yes, {"b.m3u"}, {"n.m3u"}, b, "n.m3u", unnamed});

        const State list = named("list.m3u", 1, true);
        row("save", {save, Unnamed, no, {}, {"list.m3u"}, list, "list.m3u", unnamed});
        Command typed{save,        Unnamed, no, {}, {"list"}, named("list.m3u8", 1, true),
                      "list.m3u8", unnamed};
        typed.filter = 3;
        row("save, the filter's extension for a name without one", typed);
        row("save cancelled", {save, Unnamed, no, {}, {""}, no});
        row("save, missing folder",
            {save, Unnamed, no, {}, {"none/l.m3u"}, no, {}, {}, "无法写入"});
        row("save, unknown extension", {save, Unnamed, no, {}, {"old.txt"}, no, {}, {}, "扩展名"});
        row("save, opened from a .php: asked",
            {save, Foreign, no, {}, {"l.m3u8"}, named("l.m3u8", 3, true), "l.m3u8", opened});
        row("save, opened from a .php: cancelled", {save, Foreign, no, {}, {""}, no});
        row("save, opened list",
            {save, Opened, no, {}, {}, named("l.m3u", 3, true), "l.m3u", opened});
        row("save as", {saveAs, Unnamed, no, {}, {"copy.m3u"}, no, "copy.m3u", unnamed});
        row("save as, opened list", {saveAs, Opened, no, {}, {"copy.m3u"}, no, "copy.m3u", opened});

        const State fresh{"新列表", "VantrelV 1.0 --- 新列表", "共有0个节目文件！"};
        const State closed{{}, {}, {}, false, false, false, true};
        for (const char *item : {"munfilenew", "munfileexit", static_cast<const char *>(nullptr)}) {
            const State gone = qstrcmp(item, "munfilenew") == 0 ? fresh : closed;
            const QString name = QString(item ? item : "close box") + ": ";
            row(name + "saved", {item, Saved, no, {}, {}, gone});
            row(name + "no", {item, Opened, MessageAnswer::No, {}, {}, gone});
            row(name + "cancel", {item, Opened, cancel, {}, {}, no});
            row(name + "yes, named", {item, Opened, yes, {}, {}, gone, "l.m3u", opened});
            row(name + "yes, file chosen",
                {item, Unnamed, yes, {}, {"n.m3u"}, gone, "n.m3u", unnamed});
            row(name + "yes, dialog cancelled", {item, Unnamed, yes, {}, {""}, no});
            row(name + "yes, refused", {item, Unnamed, yes, {}, {"n.txt"}, no, {}, {}, "扩展名"});
            row(name + "yes, failed",
                {item, Unnamed, yes, {}, {"none/n.m3u"}, no, {}, {}, "无法写入"});
        }
    }

    void documentCommands() {
        QFETCH(Command, c);
        prepare(c.start);
        FakeFileDialog &dialog = *w->fakes.fileDialog;
        if (c.answer)
            w->fakes.messageBoxes->answers = {*c.answer};
        QStringList selection;
        for (const QString &name : std::as_const(c.open))
            selection << (name.isEmpty() ? name : at(name));
        if (!c.open.isEmpty())
            dialog.openAnswers.push_back(selection.filter("/"));
        for (const QString &name : std::as_const(c.save))
            dialog.saveAnswers.push_back(name.isEmpty() ? name : at(name));
        dialog.saveFilters = {c.filter};
        QMap<QString, QByteArray> expected = files();
        if (!c.written.isEmpty())
            expected[at(c.written)] = c.bytes;
        const State before = state();
        if (c.item)
            trigger(c.item);
        else
            w->form.close();

        // The question first, then the command's message, all under the program's title.
        const QList<ShownMessage> &shown = w->fakes.messageBoxes->shown;
        QCOMPARE(shown.size(), int(c.answer.has_value()) + int(!c.message.isEmpty()));
        for (const ShownMessage &message : shown) {
            const bool question = c.answer && &message == &shown.first();
            QVERIFY2(question ? message.text == "列表文件没有保存，是否保存它？"
                              : message.text.contains(c.message),
                     qPrintable(message.text));
            QCOMPARE(message.title, "Vantrel");
            QCOMPARE(message.icon, question ? MessageIcon::Question : c.icon);
        }
        QCOMPARE(dialog.openRequests.size(), c.open.isEmpty() ? 0 : 1);
        QCOMPARE(dialog.saveRequests.size(), c.save.size());
        // Save offers the new list's name, Save As nothing; both ask before they overwrite.
        for (const FileDialogRequest &request : dialog.saveRequests) {
            const QString offered = c.start == Foreign ? at("l") : "新列表";
            QCOMPARE(request.fileName, qstrcmp(c.item, "munfilesaveas") == 0 ? "" : offered);
            QCOMPARE(request.flags, CommonDialog::OverwritePrompt);
        }
        QCOMPARE(files(), expected);
        QCOMPARE(state(), c.after.value_or(before));
    }

    // Which file relocation takes for a missing entry.
    void relocationTakesTheNearestFile_data() {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("found");
        const auto row = [](const char *name, const QString &missing, const QStringList &files,
                            const QString &found) {
            QTest::newRow(name) << missing << files << found;
        };
        row("most trailing folders shared", "/old/Rock/Live/x.mp3",
            {"x.mp3", "Pop/Live/x.mp3", "a/b/Rock/Live/x.mp3"}, "a/b/Rock/Live/x.mp3");
        row("then the same case", "/old/X.mp3", {"a/x.mp3", "b/X.mp3"}, "b/X.mp3");
        row("then the shallowest", "/old/Rock/x.mp3", {"a/b/x.mp3", "c/x.mp3"}, "c/x.mp3");
        row("then natural order", "/old/x.mp3", {"Disc 10/x.mp3", "Disc 2/x.mp3"}, "Disc 2/x.mp3");
        row("windows path, any case", "/l/C:\\Music\\ROCK\\Y.MP3", {"y.mp3", "rock/y.mp3"},
            "rock/y.mp3");
    }

    void relocationTakesTheNearestFile() {
        QFETCH(QString, missing);
        QFETCH(QStringList, files);
        QFETCH(QString, found);
        for (const QString &file : files)
            w->make("found/" + file, "id3");
        // A row that is not missing is not looked for, though a file of its name is there.
        const Relocation relocation =
            relocateMissing({entry("/old/x.mp3"), entry(missing, Kind::Missing)}, at("found"));
        QCOMPARE(relocation.found,
                 (std::vector<std::pair<int, QString>>{{1, at("found/" + found)}}));
        QCOMPARE(relocation.stillMissing, 0);
    }

    // Each repair is one step of the history, and says what it did.
    void repairCommands() {
        w->open(
            w->make("l.m3u", "#EXTM3U\r\n#EXTINF:3,C\r\ngone/sub/c.mp3\r\nnone.mp3\r\na.mp3\r\n"));
        const QList<Row> opened = rows();
        // The found row keeps its check mark, and the others theirs.
        w->form.model().toggleChecked({0, 1});
        w->fakes.folderPicker->answers = {QString(), m_work};
        trigger("muneditrelocate"); // cancelled
        trigger("muneditrelocate");
        const PlaylistModel &model = w->form.model();
        QVERIFY(model.entry(0).checked && model.entry(1).checked && !model.entry(2).checked);
        const QList<Row> relocated{{Kind::File, at("sub/c.mp3"), "C", 3, true},
                                   {Kind::Missing, at("none.mp3"), {}, -1, true},
                                   {Kind::File, at("a.mp3"), {}, -1, true}};
        QCOMPARE(rows(), relocated);
        QCOMPARE(state(), named("l.m3u", 3, false, true));
        trigger("muneditundo");
        QCOMPARE(rows(), opened);
        trigger("muneditredo");
        trigger("muneditremovemissing");
        QCOMPARE(state(), named("l.m3u", 2, false, true));
        trigger("muneditundo");
        QCOMPARE(rows(), relocated);
        trigger("muneditredo");
        trigger("muneditremovemissing");
        trigger("muneditrelocate");
        QStringList texts = w->messages();
        texts.removeFirst(); // the message of Open
        QCOMPARE(texts,
                 (QStringList{"找到了1个节目文件，还有1个找不到。", "列表中没有找不到的节目文件。",
                              "列表中没有找不到的节目文件。"}));
    }
};

QTEST_MAIN(TestPlaylistFile)
#include "tst_playlistfile.moc"
