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
    // Of the five inputs a scan disables.
    static int enabledInputs(Form1 *d) {
        return d->Command2->isEnabled() + d->Command3->isEnabled() + d->Check1->isEnabled() +
               d->Combo1->isEnabled() + d->Text1->isEnabled();
    }

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
    void start(const QString &location) {
        dialog->Text1->setText(location);
        dialog->Command1->click();
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
    const char *files;
    int action, pumps;
    const char *found, *pattern = "*.mp3";
};

class tst_SearchDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dialogAroundScans();
    void scan_data();
    void scan();
};

void tst_SearchDialog::dialogAroundScans() {
    Fixture f("a.mp3 other.wav scan/1.mp3 scan/2.mp3 scan/3.mp3");
    Form1 *d = f.dialog;
    QVERIFY(d->isVisible() && !d->isModal() && !d->parentWidget() && d->windowType() == Qt::Tool);
    QStringList texts{d->windowTitle()};
    for (const char *name : {"Label1", "Label2", "Command3", "Check1", "Command1", "Command2"})
        texts << d->findChild<QWidget *>(name)->property("text").toString();
    for (int i = 0; i < d->Combo1->count(); ++i)
        texts << d->Combo1->itemText(i);
    QCOMPARE(texts.join(u' '),
             u"搜索本机 名称： 位置： 浏览 包含子文件夹 开始查找 关闭 *.mp3 *.mp2 *.mp1 *.ram "
             u"*.rmm *.ra "
             u"*.rm *.wmv *.avi *.as *.cda *.mjf *.mod *.stm *.s3m *.it *.xm *.ult *.dat *.asf "
             u"*.cmf *.cmn *.mpg *.mpeg *.ifo *.vob *.grf *.avi *.mpg *.mpeg *.mov *.qt *.anim "
             u"*.vqt *.voc *.wav *.wma"_qs);
    QVERIFY(d->Combo1->isEditable() && d->Combo1->currentIndex() == 0 && d->Check1->isChecked());
    QVERIFY(d->Text1->text().isEmpty() && d->Command1->isDefault() && !d->Command1->isEnabled());

    // A location that names no folder is refused and the dialog stays idle; a blank is text
    // enough to enable Start.
    for (const QString &location : {u" "_qs, f.dir.filePath(u"a.mp3"_qs), u"/missing/"_qs}) {
        f.start(location);
        QCOMPARE(f.fake.messageBoxes->shown.takeFirst().text,
                 u"找不到文件夹“%1”，请检查位置！"_qs.arg(location));
    }
    QVERIFY(f.enabledInputs(d) == 5 && f.pump.busyShown == 0 && f.window.saved);
    d->Text1->clear();
    QVERIFY(!d->Command1->isEnabled());

    // A folder gets a trailing separator, the root stays as it is, a cancel changes nothing.
    const QString folder = f.dir.filePath(u"scan"_qs);
    f.fake.folderPicker->answers = {u"/"_qs, folder, QString()};
    for (const QString &expected : {u"/"_qs, folder + u'/', folder + u'/'}) {
        d->Command3->click();
        QCOMPARE(d->Text1->text(), expected);
    }

    // The table changed during a scan: a find goes to its own position, before a row that Add
    // put behind the previous find, but never past the end of a table that Delete emptied.
    const auto rows = [&] { return f.rows().replace(QRegularExpression(u"/\\d"_qs), u"/N"_qs); };
    f.pump.actions[1] = [&] { f.add(u"other.wav"_qs); };
    f.pump.actions[2] = [&] {
        QCOMPARE(rows(), u"scan/N.mp3 scan/N.mp3 other.wav"_qs);
        f.trigger("muneditselectall");
        f.trigger("muneditdelete");
    };
    d->Command1->click();
    QVERIFY(rows() == u"scan/N.mp3"_qs && f.status.text() == f.countText(1));
    QCOMPARE(d->Label4->text(), f.foundText(3));

    // Opening it again changes nothing; closed and opened again, it starts afresh at once, even
    // while the closed one waits to be deleted. Escape works as the close button.
    QVERIFY(f.open() == d && d->Text1->text() == folder + u'/');
    d->Command2->click();
    QPointer<Form1> again = f.open();
    QTRY_VERIFY(f.dialog.isNull() && again);
    QVERIFY((again->Text1->text() + again->Label3->text() + again->Label4->text()).isEmpty());
    QTest::keyClick(again, Qt::Key_Escape);
    QVERIFY(!again->isVisible());
}

void tst_SearchDialog::scan_data() {
    QTest::addColumn<Scan>("scan");
    QTest::newRow("depth first, files before subfolders, first one listed already")
        << Scan{"a.mp3 s1/b.mp3 s1/deep/c.mp3 s2/d.mp3", AddFirst, 4,
                "a.mp3 s1/b.mp3 s1/deep/c.mp3 s2/d.mp3|a.mp3 s2/d.mp3 s1/b.mp3 s1/deep/c.mp3"};
    QTest::newRow("subfolders off") << Scan{"a.mp3 sub/b.mp3", NoSubfolders, 1, "a.mp3"};
    const char *three = "TRACK01.MP3 track01.mp3.txt a.mp3";
    QTest::newRow("blanks around, any case")
        << Scan{three, None, 3, "TRACK01.MP3 a.mp3|a.mp3 TRACK01.MP3", "  *.MP3  "};
    QTest::newRow("empty pattern (blanks only)") << Scan{three, None, 3, "", "   "};
    // The first match test ends the visit of the top folder, and with it the scan.
    QTest::newRow("invalid pattern") << Scan{"a.mp3 sub/c.mp3", None, 0, "", "[a-c.mp3"};
    QTest::newRow("hidden entries, links, no loop")
        << Scan{".f/.h.mp3 sub/歌.mp3 sub/loop>. x.mp3>sub/歌.mp3 y.mp3>no", None, 3,
                "x.mp3 .f/.h.mp3 sub/歌.mp3|x.mp3 sub/歌.mp3 .f/.h.mp3"};
    // The second find would pass the bound: it ends the visit of its folder.
    QTest::newRow("row bound") << Scan{"1.mp3 sub/2.mp3", Full, 1, "1.mp3"};
    QTest::newRow("unreadable subfolder")
        << Scan{"a.mp3 gone/x.mp3 gone/y/z.mp3", Gone, 1, "a.mp3"};
    // The stop test follows the match, so the next file is still examined; then nothing more.
    const char *files = "1.mp3 2.mp3 sub/3.mp3", *found = "1.mp3 2.mp3|2.mp3 1.mp3";
    QTest::newRow("escape ignored, stop, start while unwinding") << Scan{files, Stop, 1, found};
    QTest::newRow("close box") << Scan{files, Close, 1, found};
    QTest::newRow("main window closed") << Scan{files, Exit, 1, found};
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
        f.model.replaceEntries(std::vector<PlaylistEntry>(PlaylistModel::MaxRows - 1));
    const int before = f.model.rowCount();
    // The scan leaves the list unsaved, so closing the main window asks first.
    f.fake.messageBoxes->answers.push_back(MessageAnswer::No);

    f.pump.everyPass = [&] {
        QVERIFY(d->Searching && f.pump.busy && f.enabledInputs(d) == 0 && d->Command1->isEnabled());
        // The table holds every find counted; the labels show the file just examined.
        const int finds = f.model.rowCount() - before;
        const QString label3 = d->Label3->text();
        QVERIFY(label3.startsWith(u"正在查找"_qs + f.dir.path() + u'/') && label3.endsWith(u"..."));
        const bool justFound = finds && label3.contains(f.model.entry(before + finds - 1).path);
        QCOMPARE(d->Label4->text(), f.foundText(finds - justFound));
        QCOMPARE(f.status.text(), f.countText(before + finds - justFound));
        QCOMPARE(d->Command1->text(), u"停止"_qs);
    };
    f.pump.actions[1] = [&] {
        if (scan.action == Stop) {
            QTest::keyClick(d, Qt::Key_Escape);
            QTest::mouseClick(d->Command1, Qt::LeftButton);
            d->Command1->click();
        }
        if (scan.action >= Close)
            scan.action == Close ? d->close() : f.window.close();
        if (scan.action == Gone)
            QVERIFY(QDir(f.dir.filePath(u"gone"_qs)).removeRecursively());
    };
    f.start(f.dir.path() + u'/');

    QVERIFY2(QString(scan.found).split(u'|').contains(f.rows(before)), qPrintable(f.rows(before)));
    QCOMPARE(f.pump.pumps, scan.pumps);
    QCOMPARE(d->Label3->text(), scan.action >= Stop ? u"停止查找！"_qs : u"完成查找！"_qs);
    QCOMPARE(d->Label4->text(), f.foundText(f.model.rowCount() - before));
    QCOMPARE(f.status.text(), f.countText(f.model.rowCount()));
    QCOMPARE(f.window.muneditdelete->isEnabled(), f.model.rowCount() > 0);
    QVERIFY(!d->Searching && d->Command1->text() == u"开始查找"_qs && f.enabledInputs(d) == 5);
    QVERIFY(!f.pump.busy && f.pump.busyShown == 1 && !f.window.saved);
    QVERIFY(f.window.ListView1->updatesEnabled() && d->Label3->updatesEnabled());
    QCOMPARE(f.fake.messageBoxes->shown.size(), scan.action == Exit ? 1 : 0);
    QCOMPARE(d->isVisible(), scan.action < Close);
    QTRY_COMPARE(f.dialog.isNull(), scan.action >= Close);
}

QTEST_MAIN(tst_SearchDialog)
#include "tst_searchdialog.moc"
