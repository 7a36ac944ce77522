#include "playlist/fatnames.h"
#include "playlist/frmexport.h"
#include "playlistwindow.h"
#include "smalldisk.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// Files of a folder, relative, hidden ones included: each with its bytes.
using Files = std::map<QString, QByteArray>;

// The list's entries under src/: a file made with its own name as its bytes, an address (with
// "://"), or a missing file (starting "gone").
const QStringList Mixed{u"a/一.mp3"_s, u"http://radio.example/live"_s, u"gone.mp3"_s,
                        u"b/two.ogg"_s, u"b/sub/3.flac"_s};

// The playlist window with a list opened from src/list.m3u8 and then named listName, and its
// export dialog open; the export goes to out/.
struct Fixture : PlaylistWindow {
    QString out = dir.filePath(u"out"_s);
    QPointer<frmExport> dialog;

    Fixture(const QStringList &entries, const QString &listName, const QByteArray &bytes = {}) {
        QByteArray list;
        for (const QString &entry : entries) {
            if (!entry.contains(u"://"_s) && !entry.startsWith(u"gone"_s))
                make(u"src/"_s + entry, bytes.isEmpty() ? entry.toUtf8() : bytes);
            list += entry.toUtf8() + '\n';
        }
        open(make(u"src/list.m3u8"_s, list));
        fakes.messageBoxes->shown.clear();
        form.listname = listName == u"新列表"_s ? listName : dir.filePath(u"src/"_s + listName);
        item("munfileexport")->trigger();
        dialog = form.findChild<frmExport *>();
    }
    template <typename Control> Control *control(const char *name) const {
        return dialog->findChild<Control *>(QLatin1String(name));
    }
    void start(bool flat = false, bool windows = false) {
        control<QLineEdit>("Text1")->setText(out);
        control<QRadioButton>(flat ? "Option2" : "Option1")->setChecked(true);
        control<QCheckBox>("Check1")->setChecked(windows);
        control<QPushButton>("Command1")->click();
    }
    Files files() const {
        Files found;
        QDirIterator it(out, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            found[QDir(out).relativeFilePath(file.fileName())] =
                file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
        }
        return found;
    }
    QString end() const { return control<QLabel>("Label3")->text(); }
};

// One export through the dialog and what the folder holds afterwards; "OUT" in end and message
// stands for the folder.
struct Export {
    QStringList entries;
    QString listName;
    bool flat, windows;
    Files before;
    int runs;
    Files after;
    QString end, message{};
};

class tst_Export : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exportFolder_data();
    void exportFolder();
    void refusesAFolderThatIsNoWholePath();
    void stop_data();
    void stop();
    void fullDisk();
    void legalName_data();
    void legalName();
};

void tst_Export::exportFolder_data() {
    QTest::addColumn<Export>("run");
    const QByteArray mixed = "\r\nhttp://radio.example/live\r\n";
    const QString done = u"导出完成！复制了3个文件。\n列表已写入“OUT/%1”，数据已全部写入磁盘。\n"
                         "有1个找不到的节目文件没有导出。"_s;
    const Files kept{
        {"a/一.mp3", "a/一.mp3"}, {"b/two.ogg", "b/two.ogg"}, {"b/sub/3.flac", "b/sub/3.flac"}};
    Files folders = kept;
    folders["playlist.m3u8"] = "#EXTM3U\r\na/一.mp3" + mixed + "b/two.ogg\r\nb/sub/3.flac\r\n";
    QTest::newRow("folders below the common one; a new list is playlist.m3u8")
        << Export{Mixed, u"新列表"_s, false, false, {}, 1, folders, done.arg("playlist.m3u8")};
    QTest::newRow("resumed: nothing copied again")
        << Export{Mixed,
                  u"新列表"_s,
                  false,
                  false,
                  {},
                  2,
                  folders,
                  u"导出完成！复制了0个文件，3个文件已在文件夹中，没有再复制。\n列表已写入“OUT/"
                  "playlist.m3u8”，数据已全部写入磁盘。\n有1个找不到的节目文件没有导出。"_s};
    QTest::newRow("flat, numbered in list order")
        << Export{Mixed,
                  u"car.pls"_s,
                  true,
                  false,
                  {},
                  1,
                  {{"001 一.mp3", "a/一.mp3"},
                   {"002 two.ogg", "b/two.ogg"},
                   {"003 3.flac", "b/sub/3.flac"},
                   {"car.pls", "[playlist]\r\nFile1=001 一.mp3\r\nFile2=http://radio.example/"
                               "live\r\nFile3=002 two.ogg\r\nFile4=003 3.flac\r\n"
                               "NumberOfEntries=4\r\nVersion=2\r\n"}},
                  done.arg("car.pls")};
    Files windows = kept;
    windows["car.m3u"] = "#EXTM3U\r\na\\\xd2\xbb.mp3" + mixed + "b\\two.ogg\r\nb\\sub\\3.flac\r\n";
    QTest::newRow("Windows form: backslashes, GBK")
        << Export{Mixed, u"car.m3u"_s, false, true, {}, 1, windows, done.arg("car.m3u")};
    const QByteArray xspf =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<playlist version=\"1\" "
        "xmlns=\"http://xspf.org/ns/0/\">\r\n  <trackList>\r\n    <track>\r\n"
        "      <location>one.mp3</location>\r\n    </track>\r\n    <track>\r\n"
        "      <location>two%20(2).ogg</location>\r\n    </track>\r\n  </trackList>\r\n"
        "</playlist>\r\n";
    QTest::newRow("another file of the name is kept, the copy gets (2)")
        << Export{{u"b/one.mp3"_s, u"b/two.ogg"_s},
                  u"x.xspf"_s,
                  false,
                  false,
                  {{"one.mp3", "b/one.mp3"}, {"two.ogg", "mine"}},
                  1,
                  {{"one.mp3", "b/one.mp3"},
                   {"two.ogg", "mine"},
                   {"two (2).ogg", "b/two.ogg"},
                   {"x.xspf", xspf}},
                  u"导出完成！复制了1个文件，1个文件已在文件夹中，没有再复制。\n列表已写入“OUT/"
                  "x.xspf”，数据已全部写入磁盘。"_s};
    QTest::newRow("a list of a format Vantrel cannot write goes as .m3u8")
        << Export{{u"b/two.ogg"_s},
                  u"radio.php"_s,
                  false,
                  false,
                  {},
                  1,
                  {{"two.ogg", "b/two.ogg"}, {"radio.m3u8", "#EXTM3U\r\ntwo.ogg\r\n"}},
                  u"导出完成！复制了1个文件。\n列表已写入“OUT/radio.m3u8”，数据已全部写入磁盘。"_s};
    const QStringList illegal{"x/a:b?.mp3",        "x/a_b_.mp3", "x/CON.mp3",
                              "x/Song.mp3",        "x/song.mp3", "X/#1 %41 100%.mp3",
                              "x/back\\slash.mp3", "y/end. .",   "y/..."};
    const QStringList legal{"x/a_b_.mp3",       "x/a_b_ (2).mp3", "x/CON_.mp3",
                            "x/Song.mp3",       "x/song (2).mp3", "x/_1 _41 100%.mp3",
                            "x/back_slash.mp3", "y/end",          "y/_"};
    Files names{{"l.asx", "<Asx Version = \"3.0\" > \r\n"}};
    for (qsizetype i = 0; i < illegal.size(); ++i) {
        names[legal[i]] = illegal[i].toUtf8();
        names["l.asx"] += "<Entry>\r\n<Title >" + illegal[i].section('/', 1).toUtf8() +
                          "</Title>\r\n<Param Name = \"SourceURL\" Value = \"" + legal[i].toUtf8() +
                          "\" />\r\n<Ref href = \"" + legal[i].toUtf8() + "\"/>\r\n</Entry>\r\n";
    }
    names["l.asx"] += "</Asx>\r\n";
    QTest::newRow("illegal names, reserved names, names FAT takes for one") << Export{
        illegal, u"l.asx"_s,
        false,   false,
        {},      1,
        names,   u"导出完成！复制了9个文件。\n列表已写入“OUT/l.asx”，数据已全部写入磁盘。"_s};
    // 83 characters of three bytes are 249 bytes: with "001 " the name passes 255 bytes.
    const QString chinese = QString(83, u'长') + u".mp3"_s, latin = QString(251, u'a') + u".mp3"_s;
    const QString cutChinese = u"001 "_s + QString(82, u'长') + u".mp3"_s;
    const QString cutLatin = u"002 "_s + QString(247, u'a') + u".mp3"_s;
    QTest::newRow("flat, long names cut before the extension") << Export{
        {chinese, latin},
        u"l.m3u8"_s,
        true,
        false,
        {},
        1,
        {{cutChinese, chinese.toUtf8()},
         {cutLatin, latin.toUtf8()},
         {"l.m3u8", "#EXTM3U\r\n" + cutChinese.toUtf8() + "\r\n" + cutLatin.toUtf8() + "\r\n"}},
        u"导出完成！复制了2个文件。\n列表已写入“OUT/l.m3u8”，数据已全部写入磁盘。"_s};
    const QString refused = u"无法按 Windows 形式导出：“🎵.mp3”中有 GBK 编码不能表示的字符，而 "
                            "Windows 形式的 .m3u、.pls 和 .ram 列表用 GBK 编码。请把列表另存为 "
                            ".m3u8 后再导出，或不用 Windows 形式。没有复制任何文件。"_s;
    QTest::newRow("Windows form refuses what GBK cannot hold, before any copy") << Export{
        Mixed + QStringList{u"🎵.mp3"_s}, u"car.ram"_s, false, true, {}, 1, {}, refused, refused};
}

void tst_Export::exportFolder() {
    QFETCH(const Export, run);
    Fixture f(run.entries, run.listName);
    for (const auto &[name, bytes] : run.before)
        f.make(u"out/"_s + name, bytes);
    for (int time = 0; time < run.runs; ++time)
        f.start(run.flat, run.windows);
    QCOMPARE(f.end(), QString(run.end).replace(u"OUT"_s, f.out));
    QCOMPARE(f.messages(), run.message.isEmpty() ? QStringList() : QStringList{run.message});
    QCOMPARE(f.files(), run.after);
    QVERIFY(!f.fakes.eventPump->busy && f.control<QPushButton>("Command2")->isEnabled());
}

// The program's working folder means nothing to the user: nothing is made there.
void tst_Export::refusesAFolderThatIsNoWholePath() {
    Fixture f(Mixed, u"新列表"_s);
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(f.dir.path()));
    f.out = u"out"_s;
    f.start();
    QDir::setCurrent(current);
    QCOMPARE(f.messages(), QStringList{u"找不到文件夹“out”，请检查位置！"_s});
    QVERIFY(!f.dir.exists(u"out"_s) && f.fakes.eventPump->busyShown == 0);
}

void tst_Export::stop_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("stop button") << false;
    QTest::newRow("close box") << true;
}

// Stopped in the middle of a file of many steps: the file before it stays, its temporary copy
// goes, and no list names anything.
void tst_Export::stop() {
    QFETCH(bool, closeBox);
    Fixture f({u"a.mp3"_s, u"big.mkv"_s, u"c.mp3"_s}, u"新列表"_s, QByteArray(3 << 20, 'x'));
    QPushButton *command1 = f.control<QPushButton>("Command1");
    bool stopped = false;
    f.fakes.eventPump->everyPass = [&] {
        Files now = f.files();
        if (stopped || now.size() != 2 || !now.erase(u"a.mp3"_s) || now.begin()->second.isEmpty())
            return;
        stopped = true;
        QCOMPARE(command1->text(), u"停止"_s);
        QVERIFY(!f.control<QPushButton>("Command2")->isEnabled());
        if (closeBox)
            f.dialog->close();
        else
            command1->click();
    };
    f.start();
    QVERIFY(stopped);
    QCOMPARE(f.files(), (Files{{"a.mp3", QByteArray(3 << 20, 'x')}}));
    QVERIFY(f.messages().isEmpty() && !f.fakes.eventPump->busy);
    QTRY_COMPARE(f.dialog.isNull(), closeBox);
    if (closeBox)
        return;
    QCOMPARE(f.end(), u"已停止导出。已复制的1个文件留在文件夹中，没有写入列表；"
                      "再次导出时会接着复制。"_s);
    QVERIFY(command1->text() == u"开始导出"_s && f.control<QLineEdit>("Text1")->isEnabled());
}

void tst_Export::fullDisk() {
    Fixture f({u"1.mp3"_s, u"2.mp3"_s, u"3.mp3"_s}, u"新列表"_s, QByteArray(12 * 1024, 'x'));
    const SmallDisk small(f.out);
    if (!small.refusal.isEmpty())
        QSKIP(qPrintable(small.refusal));
    f.start();
    const QString message =
        u"导出没有完成：无法把“%1”复制到“%2”。\n%3\n"
        "已复制的2个文件留在文件夹中，没有写入列表。"_s.arg(
            f.dir.filePath(u"src/3.mp3"_s), f.out + u"/3.mp3"_s, u"磁盘空间不足。"_s);
    QCOMPARE(f.messages(), QStringList{message});
    QCOMPARE(f.end(), message);
    QCOMPARE(f.files(),
             (Files{{"1.mp3", QByteArray(12 * 1024, 'x')}, {"2.mp3", QByteArray(12 * 1024, 'x')}}));
}

void tst_Export::legalName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("legal");
    QTest::newRow("reserved before any extension") << u"nul.tar.gz"_s << u"nul_.tar.gz"_s;
    QTest::newRow("reserved with a superscript, any case") << u"com¹"_s << u"com¹_"_s;
    QTest::newRow("not reserved") << u"console.mp3"_s << u"console.mp3"_s;
    QTest::newRow("blanks only") << u"   "_s << u"_"_s;
    QTest::newRow("blanks at the start, control characters")
        << u"  a\tb\x7f.mp3"_s << u"a_b_.mp3"_s;
    QTest::newRow("no escape without two hex digits") << u"100%.mp3 %4"_s << u"100%.mp3 %4"_s;
    // Four bytes each: 63 fit in 255 bytes, and the cut must not split one in half.
    QTest::newRow("cut between surrogate pairs")
        << QString(u"🎵"_s).repeated(130) << QString(u"🎵"_s).repeated(63);
}

void tst_Export::legalName() {
    QFETCH(QString, name);
    QFETCH(QString, legal);
    QCOMPARE(FatNames::legal(name), legal);
}

QTEST_MAIN(tst_Export)
#include "tst_export.moc"
