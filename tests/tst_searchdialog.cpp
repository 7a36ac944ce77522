#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"
#include "media/form1.h"

#include <QtTest>
#include <QtWidgets>

// The main window on fakes with its search dialog open and its list marked saved, over a
// temporary folder of empty files ("name>target" makes a symbolic link).
struct Fixture {
    QTemporaryDir dir;
    FakePlatform fake;
    FakeEventPump &pump = *fake.eventPump;
    frmmain window{fake.platform};
    PlaylistModel &model = window.model();
    QLabel &status = *window.sb->findChild<QLabel *>(u"countPanel"_qs);
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
    QPointer<Form1> dialog = open();

    static QString countText(int rows) { return u"共有%1个节目文件！"_qs.arg(rows); }
    static QString foundText(int finds) { return u"共找到 %1个节目文件"_qs.arg(finds); }

    explicit Fixture(const char *files) {
        for (const QString &file : QString::fromUtf8(files).split(u' ')) {
            const QStringList link = file.split(u'>');
            QDir().mkpath(QFileInfo(dir.filePath(link[0])).path());
            QVERIFY(link.size() > 1 ? QFile::link(dir.filePath(link[1]), dir.filePath(link[0]))
                                    : QFile(dir.filePath(file)).open(QIODevice::WriteOnly));
        }
        window.saved = true;
    }
    void trigger(const char *action) { window.findChild<QAction *>(action)->trigger(); }
    Form1 *open() {
        trigger("muntoopfind");
        return window.searchDialog;
    }
    void add(const QString &file) {
        fake.fileDialog->openAnswers.push_back({dir.filePath(file)});
        trigger("muneditadd");
    }
    // The rows from the given one on, as paths under the temporary folder.
    QString rows(int from = 0) const {
        QStringList paths;
        for (int row = from; row < model.rowCount(); ++row)
            paths << QDir(dir.path()).relativeFilePath(model.entry(row).path);
        return paths.join(u' ');
    }
};

// What happens before the scan, or through the event pump on its first pass.
enum Action { None, NoSubfolders, AddFirst, Full, Gone, Stop, Close, Exit };
// A scan of the temporary folder; found lists the finds in table order, '|' parting the orders
// the file system may list a folder in.
struct Scan {
    int action, pumps;
    const char *files, *found, *pattern = "*.mp3";
};

class tst_SearchDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dialogAroundScans();
    void scan_data();
    void scan();
};

void tst_SearchDialog::dialogAroundScans() {
    Fixture f("1.mp3 2.mp3 3.mp3 w/other.wav");
    Form1 *d = f.dialog;
    QVERIFY(d->isVisible() && !d->isModal() && !d->parentWidget() && d->windowType() == Qt::Tool);
    QStringList patterns;
    for (int i = 0; i < d->Combo1->count(); ++i)
        patterns << d->Combo1->itemText(i);
    QCOMPARE(patterns.join(u' '),
             u"*.mp3 *.mp2 *.mp1 *.ram *.rmm *.ra *.rm *.wmv *.avi *.as *.cda *.mjf *.mod *.stm "
             u"*.s3m *.it *.xm *.ult *.dat *.asf *.cmf *.cmn *.mpg *.mpeg *.ifo *.vob *.grf *.avi "
             u"*.mpg *.mpeg *.mov *.qt *.anim *.vqt *.voc *.wav *.wma"_qs);
    QVERIFY(d->Combo1->isEditable() && d->Combo1->currentIndex() == 0 && d->Check1->isChecked());
    QVERIFY(d->Text1->text().isEmpty() && d->Command1->isDefault() && !d->Command1->isEnabled());

    // A location that names no folder is refused and the dialog stays idle (the scan would
    // clear saved first); a blank is text enough to enable Start.
    for (const QString &location : {u" "_qs, f.dir.filePath(u"1.mp3"_qs), u"/missing/"_qs}) {
        d->Text1->setText(location);
        d->Command1->click();
        QCOMPARE(f.fake.messageBoxes->shown.takeFirst().text,
                 u"找不到文件夹“%1”，请检查位置！"_qs.arg(location));
    }
    QVERIFY(f.pump.busyShown == 0 && f.window.saved);

    // A folder gets a trailing separator, the root stays as it is, a cancel changes nothing.
    f.fake.folderPicker->answers = {u"/"_qs, f.dir.path(), QString()};
    for (const QString &expected : {u"/"_qs, f.dir.path() + u'/', f.dir.path() + u'/'}) {
        d->Command3->click();
        QCOMPARE(d->Text1->text(), expected);
    }

    // The table changed during a scan: a find goes to its own position, before a row that Add
    // put behind the previous find, but never past the end of a table that Delete emptied.
    const auto rows = [&] { return f.rows().replace(QRegularExpression(u"\\d\\."_qs), u"N."_qs); };
    f.pump.actions[1] = [&] { f.add(u"w/other.wav"_qs); };
    f.pump.actions[2] = [&] {
        QCOMPARE(rows(), u"N.mp3 N.mp3 w/other.wav"_qs);
        f.trigger("muneditselectall");
        f.trigger("muneditdelete");
    };
    d->Command1->click();
    QVERIFY(rows() == u"N.mp3"_qs && f.status.text() == f.countText(1));
    QCOMPARE(d->Label4->text(), f.foundText(3));

    // Opening it again changes nothing; closed, it is made anew at once, even while the closed
    // one waits to be deleted. Escape works as the close button.
    QVERIFY(f.open() == d && d->Text1->text() == f.dir.path() + u'/');
    d->Command2->click();
    QPointer<Form1> again = f.open();
    QTRY_VERIFY(f.dialog.isNull() && again && again->Text1->text().isEmpty());
    QTest::keyClick(again, Qt::Key_Escape);
    QVERIFY(!again->isVisible());
}

void tst_SearchDialog::scan_data() {
    QTest::addColumn<Scan>("scan");
    QTest::newRow("depth first, files first, one listed already")
        << Scan{AddFirst, 4, "a.mp3 s/b.mp3 s/t/c.mp3 u/d.mp3",
                "a.mp3 s/b.mp3 s/t/c.mp3 u/d.mp3|a.mp3 u/d.mp3 s/b.mp3 s/t/c.mp3"};
    QTest::newRow("subfolders off") << Scan{NoSubfolders, 1, "a.mp3 s/b.mp3", "a.mp3"};
    QTest::newRow("blanks around, any case")
        << Scan{None, 3, "A.MP3 a.mp3.txt b.mp3", "A.MP3 b.mp3|b.mp3 A.MP3", "  *.MP3  "};
    QTest::newRow("empty pattern (blanks only)") << Scan{None, 2, "a.mp3 b", "", "   "};
    // The first match test ends the visit of the top folder, and with it the scan.
    QTest::newRow("invalid pattern") << Scan{None, 0, "a.mp3 s/c.mp3", "", "[a-c.mp3"};
    QTest::newRow("hidden, links, no loop")
        << Scan{None, 3, ".f/.h.mp3 s/歌.mp3 s/loop>. x.mp3>s/歌.mp3 y.mp3>no",
                "x.mp3 .f/.h.mp3 s/歌.mp3|x.mp3 s/歌.mp3 .f/.h.mp3"};
    // The second find would pass the bound: it ends the visit of its folder.
    QTest::newRow("row bound") << Scan{Full, 1, "1.mp3 s/2.mp3", "1.mp3"};
    QTest::newRow("unreadable subfolder") << Scan{Gone, 1, "a.mp3 g/x.mp3 g/y/z.mp3", "a.mp3"};
    // The stop test follows the match, so the next file is still examined; then nothing more.
    const char *files = "1.mp3 2.mp3 s/3.mp3", *found = "1.mp3 2.mp3|2.mp3 1.mp3";
    QTest::newRow("stop, then start while unwinding") << Scan{Stop, 1, files, found};
    QTest::newRow("close box") << Scan{Close, 1, files, found};
    QTest::newRow("main window closed") << Scan{Exit, 1, files, found};
}

void tst_SearchDialog::scan() {
    QFETCH(Scan, scan);
    Fixture f(scan.files);
    Form1 *d = f.dialog;
    d->Combo1->setCurrentText(QString::fromUtf8(scan.pattern));
    d->Check1->setChecked(scan.action != NoSubfolders);
    if (scan.action == AddFirst)
        f.add(u"a.mp3"_qs);
    if (scan.action == Full)
        f.model.replaceEntries(std::vector<PlaylistEntry>(MaxRows - 1));
    const int before = f.model.rowCount();
    // The scan leaves the list unsaved, so closing the main window asks first.
    f.fake.messageBoxes->answers.push_back(MessageAnswer::No);
    // Of the five inputs a scan disables.
    const auto inputs = [d] {
        return d->Command2->isEnabled() + d->Command3->isEnabled() + d->Check1->isEnabled() +
               d->Combo1->isEnabled() + d->Text1->isEnabled();
    };

    f.pump.everyPass = [&] {
        QVERIFY(!f.window.saved && inputs() == 0 && d->Command1->text() == u"停止"_qs);
        // The table holds every find counted; the labels show the file just examined.
        const int finds = f.model.rowCount() - before;
        const QString label3 = d->Label3->text();
        QVERIFY(label3.startsWith(u"正在查找"_qs + f.dir.path() + u'/') && label3.endsWith(u"..."));
        const bool justFound = finds && label3.contains(f.model.entry(before + finds - 1).path);
        QCOMPARE(d->Label4->text(), f.foundText(finds - justFound));
        QCOMPARE(f.status.text(), f.countText(before + finds - justFound));
    };
    f.pump.actions[1] = [&] {
        // Escape does nothing while the close button is disabled.
        QTest::keyClick(d, Qt::Key_Escape);
        // Stop, then Start while the stopped scan unwinds; a disabled button ignores clicks.
        for (int click = 0; click < 2 && scan.action == Stop; ++click)
            d->Command1->click();
        if (scan.action >= Close)
            scan.action == Close ? d->close() : f.window.close();
        if (scan.action == Gone)
            QVERIFY(QDir(f.dir.filePath(u"g"_qs)).removeRecursively());
    };
    d->Text1->setText(f.dir.path() + u'/');
    d->Command1->click();

    QVERIFY2(QString(scan.found).split(u'|').contains(f.rows(before)), qPrintable(f.rows(before)));
    QCOMPARE(f.pump.pumps, scan.pumps);
    QCOMPARE(d->Label3->text(), scan.action >= Stop ? u"停止查找！"_qs : u"完成查找！"_qs);
    QCOMPARE(d->Label4->text(), f.foundText(f.model.rowCount() - before));
    QCOMPARE(f.status.text(), f.countText(f.model.rowCount()));
    QCOMPARE(f.window.muneditdelete->isEnabled(), f.model.rowCount() > 0);
    QVERIFY(!d->Searching && d->Command1->text() == u"开始查找"_qs && inputs() == 5);
    QVERIFY(!f.pump.busy && f.pump.busyShown == 1 && f.window.ListView1->updatesEnabled());
    QTRY_COMPARE(f.dialog.isNull(), scan.action >= Close);
}

QTEST_MAIN(tst_SearchDialog)
#include "tst_searchdialog.moc"
