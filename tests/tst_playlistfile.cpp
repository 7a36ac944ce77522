#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"
#include "media/filequery.h"
#include "platform/codepage.h"
#include "playlist/playlistfile.h"
#include "playlist/playlistwriter.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QTemporaryDir>

const QString NewList = QStringLiteral("新列表");
const QString Filter = "Pls文件(*.pls)|*.pls|M3u文件(*.m3u)|*.m3u|Ram文件(*.ram)|*.ram";
const QString Question = QStringLiteral("列表文件没有保存，是否保存它？");

// A playlist file and its rows, paths joined by "|". "@" stands for the test's folder; rows
// read from a file are relative to it.
struct Case {
    QString list;
    QByteArray bytes; // null: not compared (a refusal, or a list written and read back)
    QString rows{};
    QString error{}; // a part of the message
    QByteArray charset = "UTF-8";
};

// A File command given to a prepared document, with the user's answers.
struct Command {
    QString command;    // the menu item, or "close box"
    QString setup;      // see prepare()
    int answer;         // to the question; -1: no question
    QStringList dialog; // the file dialog's answers (Open: the one selection)
    QString written{};  // the file that gets the table
    QString after{};    // the state after; empty: unchanged
    QString message{};  // shown after the question
    MessageIcon icon = MessageIcon::Warning;
};

class tst_PlaylistFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<frmmain> m_form;
    // A path of well over 255 bytes.
    const QString m_long = QString(80, u'长') + u'/' + QString(80, u'歌') + QStringLiteral(".mp3");

    // A name relative to the test's folder; empty and "新列表" stay as they are.
    QString path(const QString &name) const {
        return name.isEmpty() || name == NewList ? name : m_dir->filePath(name);
    }
    void trigger(const QString &name) { m_form->findChild<QAction *>(name)->trigger(); }

    void write(const QString &name, const QByteArray &bytes) const {
        QFile file(path(name));
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) &&
                file.write(bytes) == bytes.size());
    }

    // "unnamed" as init leaves it; "saved": saved into own.m3u; "named": l.m3u opened.
    void prepare(const QString &setup) {
        m_fake->fileDialog->saveAnswers = {path(QStringLiteral("own.m3u"))};
        m_fake->fileDialog->openAnswers = {{path(QStringLiteral("l.m3u"))}};
        if (setup != QLatin1String("unnamed"))
            trigger(setup == QLatin1String("saved") ? "munfilesave" : "munfileopen");
        *m_fake->fileDialog = {};
    }

    // The document as the user sees it, paths relative to the test's folder.
    QString state() const {
        QStringList rows;
        for (int row = 0; row < m_form->model().rowCount(); ++row)
            rows << m_form->model().entry(row).path;
        const QString count = m_form->findChild<QLabel *>(QStringLiteral("countPanel"))->text();
        return QStringLiteral("%1 | %2 | %3 | %4 | %5 | delete %6 | %7")
            .arg(rows.join(u' '), m_form->listname, m_form->windowTitle(), count,
                 QString::number(m_form->insertpos),
                 m_form->muneditdelete->isEnabled() ? "on" : "off",
                 m_form->saved ? "saved" : "unsaved")
            .remove(m_dir->path() + u'/');
    }

    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> result;
        QDirIterator it(m_dir->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            result[file.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
        }
        return result;
    }

private Q_SLOTS:
    void init() {
        m_form.reset(); // before the platform and the folder it uses
        m_dir = std::make_unique<QTemporaryDir>();
        // Media files, and lists for Open: old.pls is no PLS file.
        for (const QString &name :
             QStringList{"a.mp3", "b.mp3", "歌.mp3", "sub/c.mp3", "#x; y=1.mp3", "\"q.mp3'", m_long,
                         "old.txt", "old.pls"})
            write(name, "old");
        write(QStringLiteral("l.m3u"), "#EXTM3U\na.mp3\n歌.mp3\na.mp3\n");
        write(QStringLiteral("missing.m3u"), "a.mp3\r\nnone.mp3\r\n");
        m_fake = std::make_unique<FakePlatform>();
        m_form = std::make_unique<frmmain>(m_fake->platform);
        new QAbstractItemModelTester(&m_form->model(), m_form.get());
        m_form->show();
        m_fake->fileDialog->openAnswers = {{path("b.mp3"), path("a.mp3")}};
        trigger("muneditadd");
    }

    void file_data();
    void file();
    void document_data();
    void document();
};

void tst_PlaylistFile::document_data() {
    QTest::addColumn<Command>("c");
    const auto row = [](const QString &n, const Command &c) { QTest::newRow(qPrintable(n)) << c; };

    const QString open = "munfileopen", save = "munfilesave", saveAs = "munfilesaveas";
    const QString loaded = "a.mp3 歌.mp3 a.mp3 | l.m3u | VantrelV 1.0 --- l.m3u | "
                           "共有3个节目文件！ | 4 | delete on | unsaved";
    const QString kept = "a.mp3 b.mp3 | own.m3u | VantrelV 1.0 --- own.m3u | "
                         "共有2个节目文件！ | 1 | delete on | unsaved";
    row("open", {open, "saved", -1, {"l.m3u"}, {}, loaded});
    row("open, missing media file", {open, "saved", -1, {"missing.m3u"}, {}, kept, "none.mp3"});
    row("open, not a pls",
        {open, "saved", -1, {"old.pls"}, {}, kept, "此文件不是有效的PLS文件！", MessageIcon::None});
    row("open, several files", {open, "saved", -1, {"l.m3u", "a.mp3"}, {}, kept, "一个"});
    row("open, name too long",
        {open, "saved", -1, {QString(300, u'x') + ".m3u"}, {}, kept, "无法读取"});

    const QString saved = "a.mp3 b.mp3 | list.m3u | VantrelV 1.0 --- list.m3u | 共有2个节目文件！ "
                          "| 1 | delete on | saved";
    row("save", {save, "unnamed", -1, {"list.m3u"}, "list.m3u", saved});
    row("save cancelled", {save, "unnamed", -1, {""}});
    row("save, missing folder", {save, "unnamed", -1, {"none/l.m3u"}, {}, {}, "无法写入文件"});
    row("save, unknown extension", {save, "unnamed", -1, {"old.txt"}, {}, {}, ".pls、.m3u、"});
    row("save, named",
        {save, "named", -1, {}, "l.m3u", QString(loaded).replace("unsaved", "saved")});
    row("save as", {saveAs, "unnamed", -1, {"copy.m3u"}, "copy.m3u"});
    row("save as cancelled", {saveAs, "unnamed", -1, {""}});
    row("save as, named", {saveAs, "named", -1, {"copy.m3u"}, "copy.m3u"});

    const int yes = int(MessageAnswer::Yes);
    // New leaves insertpos as it was: 1 after Add, 4 after opening l.m3u.
    const QString fresh =
        " | 新列表 | VantrelV 1.0 --- 新列表 | 共有0个节目文件！ | %1 | delete off | unsaved";
    for (const QString command : {"munfilenew", "munfileexit", "close box"}) {
        const auto gone = [&](int n) { return command == "munfilenew" ? fresh.arg(n) : "closed"; };
        const QString name = command + QStringLiteral(": ");
        row(name + "saved", {command, "saved", -1, {}, {}, gone(1)});
        row(name + "no", {command, "named", int(MessageAnswer::No), {}, {}, gone(4)});
        row(name + "cancel", {command, "named", int(MessageAnswer::Cancel), {}});
        row(name + "yes, named", {command, "named", yes, {}, "l.m3u", gone(4)});
        row(name + "yes, file chosen", {command, "unnamed", yes, {"new.m3u"}, "new.m3u", gone(1)});
        row(name + "yes, dialog cancelled", {command, "unnamed", yes, {""}, {}, gone(1)});
        row(name + "yes, refused write", {command, "unnamed", yes, {"new.txt"}, {}, {}, "无法"});
        row(name + "yes, failed write", {command, "unnamed", yes, {"none/n.m3u"}, {}, {}, "无法"});
    }
}

void tst_PlaylistFile::document() {
    QFETCH(Command, c);
    prepare(c.setup);
    if (c.answer >= 0)
        m_fake->messageBoxes->answers = {MessageAnswer(c.answer)};
    const bool open = c.command == QLatin1String("munfileopen");
    FakeFileDialog &dialog = *m_fake->fileDialog;
    for (const QString &name : std::as_const(c.dialog))
        dialog.saveAnswers.push_back(path(name));
    dialog.openAnswers = {{dialog.saveAnswers.cbegin(), dialog.saveAnswers.cend()}};
    QMap<QString, QByteArray> expected = files();
    if (!c.written.isEmpty())
        expected[path(c.written)] =
            encodePlaylist(c.written, m_form->model().entries(), CodePage("UTF-8")).value();
    const QString unchanged = state();
    if (c.command == QLatin1String("close box"))
        m_form->close();
    else
        trigger(c.command);

    // The question first, then the message of the command, all under the program's title.
    const QList<ShownMessage> &shown = m_fake->messageBoxes->shown;
    QCOMPARE(shown.size(), int(c.answer >= 0) + int(!c.message.isEmpty()));
    for (const ShownMessage &message : shown) {
        const bool question = c.answer >= 0 && &message == &shown.first();
        QVERIFY2(message.text.contains(question ? Question : c.message), qPrintable(message.text));
        QCOMPARE(message.title, QStringLiteral("Vantrel"));
        QCOMPARE(message.icon, question ? MessageIcon::Question : c.icon);
    }
    QCOMPARE(dialog.openRequests.size(), open ? 1 : 0);
    QCOMPARE(dialog.saveRequests.size(), open ? 0 : c.dialog.size());
    // Open keeps the flags that the Save before it set.
    const bool preset = !open && c.command != QLatin1String("munfilesaveas");
    for (const FileDialogRequest &request : dialog.openRequests + dialog.saveRequests)
        QCOMPARE(request.fileName + u'|' + request.filter + u'|' + QString::number(request.flags),
                 (preset ? NewList : QString()) + u'|' + Filter + QStringLiteral("|2"));
    QCOMPARE(files(), expected);
    QCOMPARE(m_form->isVisible() ? state() : "closed", c.after.isEmpty() ? unchanged : c.after);
}

void tst_PlaylistFile::file_data() {
    QTest::addColumn<Case>("c");
    QTest::addColumn<bool>("writes");
    const auto row = [](const char *name, const Case &c) { QTest::newRow(name) << c << true; };
    const QString music = "C:\\Music\\a.mp3|C:\\Music\\b.mp3";
    row("pls, upper-case extension",
        {"list.PLS",
         "[playlist]\r\nFile1=C:\\Music\\a.mp3\r\nFile2=C:\\Music\\b.mp3\r\n"
         "NumberOfEntries=2\r\nVersion=2\r\n",
         music});
    row("m3u", {"l.m3u", "#EXTM3U\r\nC:\\Music\\a.mp3\r\nC:\\Music\\b.mp3\r\n", music});
    row("ram", {"l.ram", "file://C:\\Music\\a.mp3\r\nfile://C:\\Music\\b.mp3\r\n", music});
    const auto asx = [](const QByteArray &title, const QByteArray &path) {
        return "<Entry>\r\n<Title >" + title +
               "</Title>\r\n<Param Name = \"SourceURL\" Value = \"" + path +
               "\" />\r\n<Ref href = \"" + path + "\"/>\r\n</Entry>\r\n";
    };
    const QByteArray asxStart = "<Asx Version = \"3.0\" > \r\n", asxEnd = "</Asx>\r\n";
    row("asx",
        {"l.asx",
         asxStart + asx("a.mp3", "C:\\Music\\a.mp3") + asx("b.mp3", "C:\\Music\\b.mp3") + asxEnd,
         music});
    row("asx escaped",
        {"l.asx", asxStart + asx("&lt;&amp;&quot;&gt;", "/m/&lt;&amp;&quot;&gt;") + asxEnd,
         "/m/<&\">"});
    // Empty lists are also read back, as are the lists of files in the test's folder.
    row("empty pls", {"l.pls", "[playlist]\r\nNumberOfEntries=0\r\nVersion=2\r\n"});
    row("empty m3u", {"l.m3u", "#EXTM3U\r\n"});
    row("empty ram", {"l.ram", ""});
    row("empty asx", {"l.asx", asxStart + asxEnd});
    const QStringList names{"@/a.mp3", "@/sub/c.mp3", "@/" + m_long, "@/歌.mp3", "@/#x; y=1.mp3"};
    QStringList full;
    for (int row = 0; row < MaxRows; ++row)
        full << names[row % names.size()];
    row("pls, full table", {"l.pls", {}, full.join(u'|')});
    row("m3u, full table", {"l.m3u", {}, full.join(u'|'), {}, "GB18030"});
    row("ram, read back", {"l.ram", {}, names.join(u'|'), {}, "GB18030"});
    row("m3u8, read back", {"l.m3u8", {}, names.join(u'|'), {}, "GB18030"});

    const QByteArray utf8Song = QByteArray::fromHex("2fe99fb3e4b9902fe6ad8c2e6d7033");
    const QByteArray gbSong = QByteArray::fromHex("2fd2f4c0d62fb8e82e6d7033");
    row("utf-8, dotted folder", {"a.b/l.m3u", "#EXTM3U\r\n" + utf8Song + "\r\n", "/音乐/歌.mp3"});
    row("gb18030", {"l.m3u", "#EXTM3U\r\n" + gbSong + "\r\n", "/音乐/歌.mp3", {}, "GB18030"});
    row("m3u8 is utf-8",
        {"l.M3U8", "#EXTM3U\r\n" + utf8Song + "\r\n", "/音乐/歌.mp3", {}, "GB18030"});

    const QString extensions = ".pls、.m3u、.ram 或 .asx";
    row("dotted folder", {"my.lists/new", {}, music, extensions});
    row("line feed", {"l.m3u", {}, music + "|/m/a\nb.mp3", "换行符"});
    row("carriage return in asx", {"l.asx", {}, music + "|/m/a\rb.mp3", "换行符"});
    row("not in gbk", {"l.m3u", {}, music + "|/m/🎵.mp3", "/m/🎵.mp3", "GBK"});

    const auto read = [](const char *name, const Case &c) { QTest::newRow(name) << c << false; };
    const QString notPls = "此文件不是有效的PLS文件！";
    read("pls: any case, lf, profile rules, beyond count",
         {"l.PLS",
          "[Playlist]\n  ; File1=x\nno equals\n\t file1 \t=\t \"a.mp3\" \nFile1=x\n"
          "FILE2=' @/b.mp3 '\nnumberofentries= 4A\nFile3=\"q.mp3'\nFile4=#x; y=1.mp3\nFile5=x",
          "a.mp3|b.mp3|\"q.mp3'|#x; y=1.mp3"});
    read("pls: empty", {"l.pls", "", {}, notPls});
    read("pls: blank first line", {"l.pls", "\r\n[playlist]\r\nNumberOfEntries=0\r\n", {}, notPls});
    read("pls: blanks around header", {"l.pls", " [playlist]\t\r\nNumberOfEntries=0", {}, notPls});
    read("pls: no count", {"l.pls", "[playlist]\r\nFile1=a.mp3\r\n", {}});
    read("pls: missing key, later sections",
         {"l.pls",
          "[playlist]\nFile1=a.mp3\nNumberOfEntries=2\n[other]\nFile2=b.mp3\n"
          "  [ PLAYLIST ] x\nFile2=b.mp3",
          QString(), "第2项"});
    read("pls: count too high", {"l.pls", "[playlist]\nNumberOfEntries=99999999999", {}, "32767"});
    read("pls: bom", {"l.pls", "\xEF\xBB\xBF[playlist]\nFile1=歌.mp3\nNumberOfEntries=1", "歌.mp3",
                      QString(), "GB18030"});

    read("m3u: relative, twice, comments, blanks, uris",
         {"sub/l.m3u",
          "#EXTM3U\n#EXTINF:12,A\n  ../a.mp3\t\n\n# x\nc.mp3 "
          "\nfile://@/%E6%AD%8C.mp3\nFILE://localhost@/a.mp3",
          "a.mp3|sub/c.mp3|歌.mp3|a.mp3"});
    read("m3u: no header, cr only, no last end", {"l.m3u", "a.mp3\rb.mp3", "a.mp3|b.mp3"});
    read("m3u: more than the table holds",
         {"l.m3u", QByteArray("a.mp3\n").repeated(MaxRows + 1), {}, "32768项"});
    read("m3u: cannot be read", {"none.m3u", QByteArray(), {}, "@/none.m3u"});

    read("ram: gbk on utf-8, seven off any prefix",
         {"l.RAM", "file://\xB8\xE8.mp3\r\nhttp://a.mp3\nabcdefg  b.mp3 \n\n",
          "歌.mp3|a.mp3|b.mp3"});
    read("ram: nothing after the prefix", {"l.ram", "file://a.mp3\rfile://\r", {}, "第2行"});
}

// Rows written are checked every second row, which must change nothing that is written. A list
// written that names files of the test's folder, or none, must read back to the same rows.
// Rows read are built as Add builds them, in file order.
void tst_PlaylistFile::file() {
    QFETCH(Case, c);
    QFETCH(bool, writes);
    if (writes) {
        std::vector<PlaylistEntry> rows;
        for (const QString &path : QString(c.rows).replace(u'@', m_dir->path()).split(u'|')) {
            const QString name = QString(path).replace(u'\\', u'/').section(u'/', -1);
            if (!path.isEmpty())
                rows.push_back({name, {}, path, {}, {}, rows.size() % 2 == 1});
        }
        const Result<QByteArray> encoded = encodePlaylist(path(c.list), rows, CodePage(c.charset));
        QVERIFY2(c.error.isEmpty()
                     ? encoded.ok()
                     : encoded.error().contains(path(c.list)) && encoded.error().contains(c.error),
                 qPrintable(encoded.error()));
        if (!c.bytes.isNull())
            QCOMPARE(encoded.value(), c.bytes);
        if (!c.error.isEmpty() || c.list.endsWith("asx") ||
            !(c.rows.isEmpty() || c.rows[0] == u'@'))
            return;
        c.bytes = encoded.value();
        c.rows.remove(QStringLiteral("@/"));
    }
    if (!c.bytes.isNull())
        write(c.list, c.bytes.replace('@', m_dir->path().toUtf8()));
    const Result<std::vector<PlaylistEntry>> loaded =
        loadPlaylistFile(path(c.list), CodePage(c.charset));
    const auto fields = [](const PlaylistEntry &e) {
        return QStringList{e.name, e.size, e.path, e.type, e.created, e.checked ? "x" : ""};
    };
    QStringList rows;
    for (const PlaylistEntry &row : loaded.ok() ? loaded.value() : std::vector<PlaylistEntry>()) {
        rows << QDir(m_dir->path()).relativeFilePath(row.path);
        QCOMPARE(fields(row), fields(*FileQuery().entryFor(row.path)));
    }
    QCOMPARE(rows.join(u'|'), c.rows);
    QCOMPARE(loaded.ok(), c.error.isEmpty());
    QVERIFY2(loaded.error().contains(c.error.replace(u'@', m_dir->path())),
             qPrintable(loaded.error()));
}

QTEST_MAIN(tst_PlaylistFile)
#include "tst_playlistfile.moc"
