#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"
#include "media/form1.h"

#include <QtTest>
#include <QtWidgets>

// The main window on fakes, over a temporary folder of empty files ("name>target" makes a
// symbolic link).
struct Fixture {
    QTemporaryDir dir;
    FakePlatform fake;
    FakeEventPump &pump = *fake.eventPump;
    frmmain window{fake.platform};
    PlaylistModel &model = window.model();
    QLabel &status = *window.sb->findChild<QLabel *>(u"countPanel"_qs);
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};

    static QStringList words(const char *text) { return QString::fromUtf8(text).split(u' '); }
    static QString countText(int rows) { return u"共有%1个节目文件！"_qs.arg(rows); }
    static QString foundText(int finds) { return u"共找到 %1个节目文件"_qs.arg(finds); }
    // Of the five inputs a scan disables.
    static int enabledInputs(Form1 *d) {
        return d->Command2->isEnabled() + d->Command3->isEnabled() + d->Check1->isEnabled() +
               d->Combo1->isEnabled() + d->Text1->isEnabled();
    }

    explicit Fixture(const char *files) {
        for (const QString &file : words(files)) {
            const QStringList link = file.split(u'>');
            QDir().mkpath(QFileInfo(dir.filePath(link[0])).path());
            QVERIFY(link.size() > 1 ? QFile::link(dir.filePath(link[1]), dir.filePath(link[0]))
                                    : QFile(dir.filePath(file)).open(QIODevice::WriteOnly));
        }
    }
    void trigger(const char *action) { window.findChild<QAction *>(action)->trigger(); }
    void add(const QString &file) {
        fake.fileDialog->openAnswers.push_back({dir.filePath(file)});
        trigger("muneditadd");
    }
    // Opens the dialog and, given a location, starts a scan there.
    Form1 *open(const QString &location = {}) {
        trigger("muntoopfind");
        if (!location.isNull()) {
            window.searchDialog->Text1->setText(location);
            window.searchDialog->Command1->click();
        }
        return window.searchDialog;
    }
    // The rows from the given one on, as paths under the temporary folder.
    QString rows(int from = 0) const {
        QStringList paths;
        for (int row = from; row < model.rowCount(); ++row)
            paths << QDir(dir.path()).relativeFilePath(model.entry(row).path);
        return paths.join(u' ');
    }
};

class tst_SearchDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dialogOutsideScans();
    void scan_data();
    void scan();
    void tableChangedDuringScan();
};

// The state the dialog starts from, whenever it is made.
static void checkInitial(Form1 *d) {
    QVERIFY(d->isVisible() && !d->isModal() && !d->parentWidget() && d->windowType() == Qt::Tool);
    QCOMPARE(d->windowTitle(), u"搜索本机"_qs);
    const QStringList texts = Fixture::words("Label1 名称： Label2 位置： Command3 浏览 Check1 "
                                             "包含子文件夹 Command1 开始查找 Command2 关闭");
    for (int i = 0; i < texts.size(); i += 2)
        QCOMPARE(d->findChild<QWidget *>(texts[i])->property("text").toString(), texts[i + 1]);
    QVERIFY(d->Text1->text().isEmpty() && d->Label3->text().isEmpty() &&
            d->Label4->text().isEmpty());
    const QStringList suffixes = Fixture::words(
        "mp3 mp2 mp1 ram rmm ra rm wmv avi as cda mjf mod stm s3m it xm ult dat asf cmf cmn mpg "
        "mpeg ifo vob grf avi mpg mpeg mov qt anim vqt voc wav wma");
    QVERIFY(d->Combo1->isEditable() && d->Combo1->currentIndex() == 0 && d->Combo1->count() == 37);
    for (int i = 0; i < 37; ++i)
        QCOMPARE(d->Combo1->itemText(i), u"*."_qs + suffixes[i]);
    QCOMPARE(d->Text1->palette().color(QPalette::Base), QColor(192, 192, 192));
    QVERIFY(d->Check1->isChecked() && d->Command1->isDefault() && !d->Command1->isEnabled());
    // Frame1 holds the two labels and the four inputs.
    QCOMPARE(d->Frame1->children().size(), 6);
}

void tst_SearchDialog::dialogOutsideScans() {
    Fixture f("a.mp3");
    QPointer<Form1> dialog = f.open();
    checkInitial(dialog);
    // A location that names no folder is refused and the dialog stays idle; a blank is text
    // enough to enable Start.
    f.window.saved = true;
    for (const QString &location : {u" "_qs, f.dir.filePath(u"a.mp3"_qs), u"/missing/"_qs}) {
        f.open(location);
        QCOMPARE(f.fake.messageBoxes->shown.size(), 1);
        QCOMPARE(f.fake.messageBoxes->shown.takeFirst().text,
                 u"找不到文件夹“%1”，请检查位置！"_qs.arg(location));
    }
    QVERIFY(f.enabledInputs(dialog) == 5 && dialog->Command1->text() == u"开始查找"_qs);
    QVERIFY(f.pump.busyShown == 0 && dialog->Label3->text().isEmpty() && f.window.saved);
    dialog->Text1->clear();
    QVERIFY(!dialog->Command1->isEnabled());

    // A folder gets a trailing separator, the root stays as it is, a cancel changes nothing.
    f.fake.folderPicker->answers = {u"/home/用户/Music"_qs, u"/"_qs, QString()};
    for (const QString &expected : {u"/home/用户/Music/"_qs, u"/"_qs, u"/"_qs}) {
        dialog->Command3->click();
        QCOMPARE(dialog->Text1->text(), expected);
    }

    // Opening it again changes nothing; closed and opened again, it starts afresh.
    dialog->Combo1->setCurrentText(u"*.MP3"_qs);
    dialog->Check1->setChecked(false);
    QVERIFY(f.open() == dialog && dialog->Text1->text() == u"/"_qs && !dialog->Check1->isChecked());
    QCOMPARE(dialog->Combo1->currentText(), u"*.MP3"_qs);
    dialog->Command2->click();
    // Made anew at once, even while the closed one waits to be deleted.
    QPointer<Form1> again = f.open();
    QTRY_VERIFY(dialog.isNull() && again);
    checkInitial(again);
    // Escape works as the close button.
    QTest::keyClick(again, Qt::Key_Escape);
    QVERIFY(!again->isVisible());
}

// What happens before the scan, or through the event pump on its first pass.
enum Action { None, NoSubfolders, AddFirst, Full, Gone, Stop, Close, Exit };

void tst_SearchDialog::scan_data() {
    QTest::addColumn<QByteArray>("files");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("found");
    QTest::addColumn<int>("pumps");
    QTest::addColumn<QString>("pattern");
    const auto row = [](const char *tag, const char *files, Action action, const char *found,
                        int pumps, const QString &pattern = u"*.mp3"_qs) {
        QTest::newRow(tag) << QByteArray(files) << int(action) << QString::fromUtf8(found) << pumps
                           << pattern;
    };
    // The finds in table order; '|' parts the orders the file system may list a folder in.
    row("depth first, files before subfolders", "a.mp3 s1/b.mp3 s1/deep/c.mp3 s2/d.mp3", None,
        "a.mp3 s1/b.mp3 s1/deep/c.mp3 s2/d.mp3|a.mp3 s2/d.mp3 s1/b.mp3 s1/deep/c.mp3", 4);
    row("subfolders off", "a.mp3 sub/b.mp3", NoSubfolders, "a.mp3", 1);
    const char *three = "TRACK01.MP3 track01.mp3.txt a.mp3";
    row("blanks around, any case", three, None, "TRACK01.MP3 a.mp3|a.mp3 TRACK01.MP3", 3,
        u"  *.MP3  "_qs);
    row("empty pattern (blanks only)", three, None, "", 3, u"   "_qs);
    // The first match test ends the visit of the top folder, and with it the scan.
    row("invalid pattern", "a.mp3 sub/c.mp3", None, "", 0, u"[a-c.mp3"_qs);
    row("hidden entries, links, no loop",
        ".f/.h.mp3 sub/歌.mp3 sub/loop>. x.mp3>sub/歌.mp3 y.mp3>no", None,
        "x.mp3 .f/.h.mp3 sub/歌.mp3|x.mp3 sub/歌.mp3 .f/.h.mp3", 3);
    row("already in the table", "a.mp3", AddFirst, "a.mp3", 1);
    // The second find would pass the bound: it ends the visit of its folder.
    row("row bound", "1.mp3 sub/2.mp3", Full, "1.mp3", 1);
    row("subfolder unreadable at its visit", "a.mp3 gone/x.mp3 gone/y/z.mp3", Gone, "a.mp3", 1);
    // The stop test follows the match, so the next file is still examined; then nothing more.
    row("escape ignored, stop, start while unwinding", "1.mp3 2.mp3 sub/3.mp3", Stop,
        "1.mp3 2.mp3|2.mp3 1.mp3", 1);
    row("close box", "1.mp3 2.mp3 sub/3.mp3", Close, "1.mp3 2.mp3|2.mp3 1.mp3", 1);
    row("main window closed", "1.mp3 2.mp3 sub/3.mp3", Exit, "1.mp3 2.mp3|2.mp3 1.mp3", 1);
}

void tst_SearchDialog::scan() {
    QFETCH(QByteArray, files);
    QFETCH(int, action);
    QFETCH(QString, found);
    QFETCH(int, pumps);
    QFETCH(QString, pattern);
    Fixture f(files.constData());
    QPointer<Form1> dialog = f.open();
    dialog->Combo1->setCurrentText(pattern);
    dialog->Check1->setChecked(action != NoSubfolders);
    if (action == AddFirst)
        f.add(u"a.mp3"_qs);
    if (action == Full)
        f.model.replaceEntries(std::vector<PlaylistEntry>(PlaylistModel::MaxRows - 1));
    const int before = f.model.rowCount();
    f.window.saved = true;
    // The scan leaves the list unsaved, so closing the main window asks first.
    f.fake.messageBoxes->answers.push_back(MessageAnswer::No);

    f.pump.everyPass = [&] {
        QVERIFY(dialog->Searching && f.pump.busy && f.enabledInputs(dialog) == 0);
        QVERIFY(dialog->Command1->text() == u"停止"_qs && dialog->Command1->isEnabled());
        // The table holds every find counted; the labels show the file just examined.
        const int finds = f.model.rowCount() - before;
        const QString label3 = dialog->Label3->text();
        QVERIFY(label3.startsWith(u"正在查找"_qs + f.dir.path() + u'/') && label3.endsWith(u"..."));
        const bool justFound = finds && label3.contains(f.model.entry(before + finds - 1).path);
        QCOMPARE(dialog->Label4->text(), f.foundText(finds - justFound));
        QCOMPARE(f.status.text(), f.countText(before + finds - justFound));
    };
    f.pump.actions[1] = [&] {
        if (action == Stop) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            QTest::mouseClick(dialog->Command1, Qt::LeftButton);
            QVERIFY(!dialog->Searching && dialog->Label3->text() == u"停止查找！"_qs);
            dialog->Command1->click();
        }
        if (action >= Close)
            action == Close ? dialog->close() : f.window.close();
        if (action == Gone)
            QVERIFY(QDir(f.dir.filePath(u"gone"_qs)).removeRecursively());
    };
    f.open(f.dir.path() + u'/');

    QCOMPARE(f.pump.pumps, pumps);
    const QString rows = f.rows(before);
    QVERIFY2(found.split(u'|').contains(rows), qPrintable(rows));
    QCOMPARE(dialog->Label3->text(), action >= Stop ? u"停止查找！"_qs : u"完成查找！"_qs);
    QCOMPARE(dialog->Label4->text(), f.foundText(f.model.rowCount() - before));
    QCOMPARE(f.status.text(), f.countText(f.model.rowCount()));
    QCOMPARE(f.window.muneditdelete->isEnabled(), f.model.rowCount() > 0);
    QVERIFY(!dialog->Searching && dialog->Command1->text() == u"开始查找"_qs);
    QVERIFY(f.enabledInputs(dialog) == 5 && !f.pump.busy && f.pump.busyShown == 1);
    QVERIFY(!f.window.saved && f.window.ListView1->updatesEnabled() &&
            dialog->Label3->updatesEnabled());
    QCOMPARE(f.fake.messageBoxes->shown.size(), action == Exit ? 1 : 0);
    QCOMPARE(dialog->isVisible(), action < Close);
    QTRY_COMPARE(dialog.isNull(), action >= Close);
}

void tst_SearchDialog::tableChangedDuringScan() {
    Fixture f("before.wav added.wav scan/1.mp3 scan/2.mp3 scan/3.mp3 scan/4.mp3");
    f.add(u"before.wav"_qs);
    // Add puts its row after the first find; then Delete removes every row; then Add again.
    f.pump.actions[1] = [&] { f.add(u"added.wav"_qs); };
    f.pump.actions[2] = [&] {
        f.trigger("muneditselectall");
        f.trigger("muneditdelete");
    };
    f.pump.actions[3] = [&] { f.add(u"before.wav"_qs); };
    Form1 *dialog = f.open(f.dir.filePath(u"scan"_qs));
    // Finds 3 and 4 are asked for positions 4 and 5 of a table that holds one row before each.
    QCOMPARE(f.rows().replace(QRegularExpression(u"/\\d"_qs), u"/N"_qs),
             u"scan/N.mp3 before.wav scan/N.mp3"_qs);
    QCOMPARE(dialog->Label4->text(), f.foundText(4));
    QCOMPARE(f.status.text(), f.countText(3));
}

QTEST_MAIN(tst_SearchDialog)
#include "tst_searchdialog.moc"
