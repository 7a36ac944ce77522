#include "media/form1.h"
#include "platform/qteventpump.h"
#include "playlistwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>

#include <filesystem>

#include <sys/stat.h>

// The playlist window, shown, with its search dialog open and its list marked saved, over a
// folder of the test's own files that is also the home folder.
struct Fixture : PlaylistWindow {
    const QDir scan{dir.filePath(u"scan"_s)};
    FakeEventPump &pump = *fakes.eventPump;
    PlaylistModel &model = form.model();
    QByteArray home = qgetenv("HOME");
    QPointer<Form1> dialog;

    explicit Fixture(const QStringList &files) {
        qputenv("HOME", QFile::encodeName(scan.path()));
        for (const QString &file : files)
            make(u"scan/"_s + file);
        form.listSaved(form.listname);
        form.show();
        dialog = open();
    }
    // Qt's own file functions cannot remove names that are not UTF-8.
    ~Fixture() {
        qputenv("HOME", home);
        std::filesystem::remove_all(QFile::encodeName(scan.path()).toStdString());
    }
    Form1 *open() {
        item("muntoopfind")->trigger();
        return form.searchDialog;
    }
    // The rows from the given one on, as paths under the scanned folder.
    QStringList rows(int from = 0) const {
        QStringList paths;
        for (int row = from; row < model.rowCount(); ++row)
            paths << scan.relativeFilePath(model.entry(row).path);
        return paths;
    }
    QByteArray rawPath(const char *name) const { return QFile::encodeName(scan.path()) + name; }
    static QString count(int rows) { return u"共有%1个节目文件！"_s.arg(rows); }
    static QString foundText(int finds) { return u"共找到 %1个节目文件"_s.arg(finds); }
};

// What is done before the scan, or through the event pump on its first pass.
enum Action { None, TopOnly, AddFirst, Links, NotUtf8, Full, Gone, Vanish, Stop, Close, Exit };

// A scan of the temporary folder; location and pattern are typed into the dialog, an empty
// location stands for the temporary folder, found is in table order.
struct Scan {
    Action action;
    QStringList files;
    QString location, pattern;
    QStringList found;
    int pumps;
    QString end;
    // A pass is due at every so many files, as on a display where a frame takes many files.
    int filesPerPass = 1;
};

class tst_SearchDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dialogAroundScans();
    void scan_data();
    void scan();
    void realPumpStaysDue();
};

void tst_SearchDialog::dialogAroundScans() {
    Fixture f({u"1.mp3"_s, u"2.mp3"_s, u"3.mp3"_s, u"w/other.wav"_s});
    Form1 *d = f.dialog;
    // Above the main window, which stays usable, and with the focus.
    QVERIFY(d->isVisible() && !d->isModal() && !QApplication::activeModalWidget());
    QVERIFY(d->windowType() == Qt::Tool &&
            d->windowHandle()->transientParent() == f.form.windowHandle());
    QTRY_COMPARE(QApplication::activeWindow(), d);
    QVERIFY(d->Combo1->isEditable() && d->Combo1->currentIndex() == 0 && d->Check1->isChecked());
    QVERIFY(d->Text1->text().isEmpty() && d->Command1->isDefault() && !d->Command1->isEnabled());

    // A location that names no folder is refused and the dialog stays idle (the scan would
    // clear saved first); a blank is text enough to enable Start.
    for (const QString &location : {u" "_s, f.scan.filePath(u"1.mp3"_s), u"/missing/"_s}) {
        d->Text1->setText(location);
        d->Command1->click();
        QCOMPARE(f.fakes.messageBoxes->shown.takeFirst().text,
                 u"找不到文件夹“%1”，请检查位置！"_s.arg(location));
    }
    QVERIFY(f.pump.busyShown == 0 && f.form.saved());

    // A folder gets a trailing separator, the root stays as it is, a cancel changes nothing;
    // the dialog has the focus again each time.
    f.fakes.folderPicker->answers = {u"/"_s, f.scan.path(), QString()};
    const auto activateMain = [&f] {
        f.form.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &f.form);
    };
    for (const QString &expected : {u"/"_s, f.scan.path() + u'/', f.scan.path() + u'/'}) {
        activateMain();
        d->Command3->click();
        QCOMPARE(d->Text1->text(), expected);
        QTRY_COMPARE(QApplication::activeWindow(), d);
    }

    // The table changed during a scan: a find goes to its own position, before a row that Add
    // put behind the previous find, but never past the end of a table that Delete emptied.
    f.pump.actions[1] = [&] { f.add({f.scan.filePath(u"w/other.wav"_s)}); };
    f.pump.actions[2] = [&] {
        QCOMPARE(f.rows(), QStringList({u"1.mp3"_s, u"2.mp3"_s, u"w/other.wav"_s}));
        f.item("muneditselectall")->trigger();
        f.item("muneditdelete")->trigger();
    };
    d->Command1->click();
    QCOMPARE(f.rows(), QStringList{u"3.mp3"_s});
    QVERIFY(f.countText() == f.count(1) && d->Label4->text() == f.foundText(3));
    // The folder and the patterns of each scan are offered from then on, newest first; a
    // refused Start takes the last result away.
    const auto offered = [](const QCompleter *completer) {
        return static_cast<QStringListModel *>(completer->model())->stringList();
    };
    d->Combo1->setEditText(u"*.ogg;*.flac"_s);
    d->Command1->click();
    QCOMPARE(offered(d->Combo1->completer()), QStringList({u"*.ogg;*.flac"_s, u"*.mp3"_s}));
    d->Text1->setText(u"/missing/"_s);
    d->Command1->click();
    QCOMPARE(f.fakes.messageBoxes->shown.size(), 1);
    QVERIFY(d->Label3->text().isEmpty() && d->Label4->text().isEmpty());
    d->Text1->setText(f.scan.path() + u'/');

    // Opening it again changes nothing but the focus; closed, it is made anew at once, even
    // while the closed one waits to be deleted. Escape works as the close button.
    activateMain();
    QVERIFY(f.open() == d && d->Text1->text() == f.scan.path() + u'/');
    QTRY_COMPARE(QApplication::activeWindow(), d);
    d->Command2->click();
    QPointer<Form1> again = f.open();
    QTRY_VERIFY(f.dialog.isNull() && again && again->Text1->text().isEmpty());
    QCOMPARE(offered(again->Text1->completer()), QStringList{f.scan.path() + u'/'});
    QCOMPARE(again->Combo1->currentText(), u"*.mp3"_s);
    QTest::keyClick(again, Qt::Key_Escape);
    QVERIFY(!again->isVisible());
}

void tst_SearchDialog::scan_data() {
    QTest::addColumn<Scan>("scan");
    const QString mp3 = u"*.mp3"_s, done = u"完成查找！"_s, stopped = u"停止查找！"_s;
    const QString skipped = u"\n已跳过%1个名称不是UTF-8编码的文件或文件夹。"_s;
    const QStringList mixed{"s10.mp3",   "S2.mp3",   "s1.mp3",    "a.wav",
                            "b10/x.mp3", "b9/y.mp3", "b9/c/z.mp3"},
        natural{"s1.mp3", "S2.mp3", "s10.mp3", "b9/y.mp3", "b9/c/z.mp3", "b10/x.mp3"};
    QTest::newRow("reading order, files first, one listed already and skipped") << Scan{
        AddFirst, mixed, "", mp3, natural.mid(1), 7, done + u"\n已跳过1个列表中已有的节目文件。"_s};
    // Of the names that are not UTF-8, the folder's file alone: its subfolders are not entered.
    QTest::newRow("subfolders off")
        << Scan{TopOnly, {"a.mp3", "s/b.mp3"}, "", mp3, {"a.mp3"}, 1, done + skipped.arg(1)};
    QTest::newRow("blanks around, any case") << Scan{
        None, {"A.MP3", "a.mp3.txt", "b.mp3"}, "", "  *.MP3  ", {"A.MP3", "b.mp3"}, 3, done};
    QTest::newRow("a typed star is searched as a star")
        << Scan{None, {"a.mp3", "b.txt", "c"}, "", "*", {"a.mp3", "b.txt", "c"}, 3, done};
    QTest::newRow("empty pattern (blanks only)")
        << Scan{None, {"a.mp3", "b"}, "", "   ", {}, 2, done};
    QTest::newRow("invalid pattern")
        << Scan{None, {"a.mp3", "s/c.mp3"}, "", "[a-c.mp3", {}, 0, done};
    QTest::newRow("several patterns, one of them invalid")
        << Scan{None,
                {"a.mp3", "b.OGG", "c.flac", "d.txt"},
                "",
                " *.ogg;*.flac ; [x;;",
                {"b.OGG", "c.flac"},
                4,
                done};
    QTest::newRow("hidden, links, no loop") << Scan{
        Links, {".f/.h.mp3", "s/歌.mp3"}, "", mp3, {"x.mp3", ".f/.h.mp3", "s/歌.mp3"}, 3, done};
    // A file and a folder in the top folder and a file in s: each skipped alone.
    const QStringList tree{"a.mp3", "z.mp3", "s/b.mp3", "s/t/c.mp3"};
    QTest::newRow("names that are not UTF-8")
        << Scan{NotUtf8, tree, "", mp3, tree, 4, done + skipped.arg(3)};
    QTest::newRow("home folder") << Scan{None, {"a.mp3"}, "~", mp3, {"a.mp3"}, 1, done};
    QTest::newRow("folder under home")
        << Scan{None, {"a.mp3", "s/b.mp3"}, "~/s", mp3, {"s/b.mp3"}, 1, done};
    const QString full = u"列表已满（最多32767个节目文件），停止查找！"_s;
    QTest::newRow("list full") << Scan{Full, {"1.mp3", "s/2.mp3"}, "", mp3, {"1.mp3"}, 1, full};
    QTest::newRow("unreadable subfolder")
        << Scan{Gone, {"a.mp3", "g/x.mp3", "g/y/z.mp3"}, "", mp3, {"a.mp3"}, 1, done};
    const QStringList four{"1.mp3", "2.mp3", "3.mp3", "s/4.mp3"};
    QTest::newRow("file gone during the scan")
        << Scan{Vanish, four, "", mp3, {"1.mp3", "3.mp3", "s/4.mp3"}, 4, done};
    // The stop test follows the match, so the next file is still examined; then nothing more.
    const QStringList files{"1.mp3", "2.mp3", "s/3.mp3"}, found{"1.mp3", "2.mp3"};
    QTest::newRow("stop, then start while unwinding")
        << Scan{Stop, files, "", mp3, found, 1, stopped};
    QStringList many;
    for (int i = 0; i < 40; ++i)
        many << u"a%1.mp3"_s.arg(i, 2, 10, QChar(u'0'));
    QTest::newRow("stop in a long scan, passes ten files apart")
        << Scan{Stop, many + QStringList{"s/b.mp3"}, "", mp3, many.mid(0, 11), 1, stopped, 10};
    QTest::newRow("close box") << Scan{Close, files, "", mp3, found, 1, stopped};
    QTest::newRow("main window closed") << Scan{Exit, files, "", mp3, found, 1, stopped};
}

void tst_SearchDialog::scan() {
    QFETCH(const Scan, scan);
    const auto &[action, files, location, pattern, found, pumps, end, filesPerPass] = scan;

    Fixture f(files);
    f.pump.asksPerPass = filesPerPass;
    Form1 *d = f.dialog;
    // Typed as a user types it, into the box with the focus.
    QVERIFY(QTest::qWaitForWindowActive(d));
    d->Combo1->setFocus();
    d->Combo1->lineEdit()->clear();
    QTest::keyClicks(d->Combo1, pattern);
    d->Check1->setChecked(action != TopOnly);
    if (action == AddFirst)
        f.add({f.scan.filePath(u"s1.mp3"_s)});
    if (action == Full)
        f.model.replaceEntries(std::vector<PlaylistEntry>(MaxRows - 1));
    if (action == Links) {
        QVERIFY(QFile::link(f.scan.path(), f.scan.filePath(u"s/loop"_s)));
        QVERIFY(QFile::link(f.scan.filePath(u"s/歌.mp3"_s), f.scan.filePath(u"x.mp3"_s)));
        QVERIFY(QFile::link(f.scan.filePath(u"none"_s), f.scan.filePath(u"y.mp3"_s)));
    }
    // Byte 0xE9 alone is no UTF-8.
    const char *badFiles[] = {"/\xE9.mp3", "/\xE9/x.mp3", "/s/\xE9.mp3"};
    if (action == NotUtf8 || action == TopOnly) {
        QCOMPARE(mkdir(f.rawPath("/\xE9").constData(), 0700), 0);
        for (const char *name : badFiles)
            QCOMPARE(close(::open(f.rawPath(name).constData(), O_CREAT | O_WRONLY, 0600)), 0);
    }
    const int before = f.model.rowCount();
    // The scan leaves the list unsaved, so closing the main window asks first.
    f.fakes.messageBoxes->answers.push_back(MessageAnswer::No);
    // Of the five inputs a scan disables.
    const auto inputs = [d] {
        return d->Command2->isEnabled() + d->Command3->isEnabled() + d->Check1->isEnabled() +
               d->Combo1->isEnabled() + d->Text1->isEnabled();
    };

    f.pump.everyPass = [&] {
        QVERIFY(!f.form.saved() && inputs() == 0 && d->Command1->text() == u"停止"_s);
        // The table holds every find counted; the labels show the file just examined.
        const int finds = f.model.rowCount() - before;
        const QString label3 = d->Label3->text();
        QVERIFY(label3.startsWith(u"正在查找"_s + f.scan.path() + u'/') && label3.endsWith(u"..."));
        const bool justFound = finds && label3.contains(f.model.entry(before + finds - 1).path);
        QCOMPARE(d->Label4->text(), f.foundText(finds - justFound));
        QCOMPARE(f.countText(), f.count(before + finds - justFound));
    };
    f.pump.actions[1] = [&] {
        // Escape does nothing while the close button is disabled.
        QTest::keyClick(d, Qt::Key_Escape);
        // Stop, then Start while the stopped scan unwinds; a disabled button ignores clicks.
        for (int click = 0; click < 2 && action == Stop; ++click)
            d->Command1->click();
        if (action == Close)
            d->close();
        if (action == Exit)
            f.form.close();
        if (action == Gone)
            QVERIFY(QDir(f.scan.filePath(u"g"_s)).removeRecursively());
        if (action == Vanish)
            QVERIFY(QFile::remove(f.scan.filePath(u"2.mp3"_s)));
    };
    d->Text1->setText(location.isEmpty() ? f.scan.path() + u'/' : location);
    d->Command1->click();

    QCOMPARE(f.rows(before), found);
    QCOMPARE(f.pump.pumps, pumps);
    QCOMPARE(d->Label3->text(), end);
    QCOMPARE(d->Label4->text(), f.foundText(found.size()));
    QCOMPARE(f.countText(), f.count(before + found.size()));
    QCOMPARE(f.form.muneditdelete->isEnabled(), before + found.size() > 0);
    QVERIFY(!d->Searching && d->Command1->text() == u"开始查找"_s && inputs() == 5);
    QVERIFY(!f.pump.busy && f.pump.busyShown == 1 && f.form.ListView1->updatesEnabled());
    QTRY_COMPARE(f.dialog.isNull(), action == Close || action == Exit);
}

// The real pump between two passes of a long scan: asking costs nothing and resets nothing, so a
// pass stays due from the moment a frame has gone by until it runs.
void tst_SearchDialog::realPumpStaysDue() {
    QtEventPump pump;
    QVERIFY(pump.passDue());
    QElapsedTimer sincePass;
    for (int pass = 0; pass < 2; ++pass) {
        pump.processEvents();
        sincePass.start();
        // Not due within the frame (unless the machine stalled for one).
        const bool dueAtOnce = pump.passDue();
        QVERIFY(!dueAtOnce || sincePass.elapsed() >= 30);
        while (!sincePass.hasExpired(40))
            pump.passDue();
        for (int question = 0; question < 1000; ++question)
            QVERIFY(pump.passDue());
    }
}

QTEST_MAIN(tst_SearchDialog)
#include "tst_searchdialog.moc"
