#include "searchhelpers.h"

#include <unistd.h>

// Scans over real folder trees: what is found, in which order, what the dialog and the main
// window show, and what happens when things change in the middle of a scan.
class tst_SearchScan : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void depthFirstFilesBeforeSubfolders();
    void withoutSubfolders();
    void patterns_data();
    void patterns();
    void invalidPatternEndsQuietly();
    void listedAgainAndSavedCleared();
    void labelsAndStatusDuringAndAfter();
    void emptyFolderShowsZero();
    void stopThroughPump();
    void startWhileStoppedScanUnwinds();
    void entriesOfTheWalk();
    void folderThatCannotBeListedIsSkipped();
    void unreadableFolderIsSkipped();
    void tableChangedDuringScan();
    void rowBound();
};

void tst_SearchScan::depthFirstFilesBeforeSubfolders() {
    SearchFixture f;
    for (const char *name : {"a.mp3", "z.mp3", "sub1/b.mp3", "sub1/deep/c.mp3", "sub2/d.mp3"})
        f.touch(QString::fromLatin1(name));
    f.scan(f.folder());
    QStringList found;
    for (const QString &path : f.paths())
        found << QDir(f.folder()).relativeFilePath(path);
    QCOMPARE(found.size(), 5);
    // The file system decides the order within a folder, nothing else.
    QCOMPARE(QSet<QString>(found.cbegin(), found.cbegin() + 2),
             (QSet<QString>{u"a.mp3"_qs, u"z.mp3"_qs}));
    const QStringList rest = found.mid(2);
    QVERIFY2(rest == QStringList({u"sub1/b.mp3"_qs, u"sub1/deep/c.mp3"_qs, u"sub2/d.mp3"_qs}) ||
                 rest == QStringList({u"sub2/d.mp3"_qs, u"sub1/b.mp3"_qs, u"sub1/deep/c.mp3"_qs}),
             qPrintable(found.join(u", "_qs)));
    const PlaylistEntry &row = f.window.model().entry(0);
    QCOMPARE(row.size, u"0"_qs);
    QVERIFY(!row.created.isEmpty());
    QVERIFY(!row.checked);
}

void tst_SearchScan::withoutSubfolders() {
    SearchFixture f;
    const QString top = f.touch(u"a.mp3"_qs);
    f.touch(u"sub/b.mp3"_qs);
    f.scan(f.folder() + QLatin1Char('/'), u"*.mp3"_qs, false);
    QCOMPARE(f.paths(), QStringList{top});
}

void tst_SearchScan::patterns_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("blanks around")
        << u"  *.MP3  "_qs << QStringList{u"TRACK01.MP3"_qs, u"a.mp3"_qs};
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("blanks only") << u"   "_qs << QStringList();
    QTest::newRow("digits") << u"track##.*"_qs
                            << QStringList{u"TRACK01.MP3"_qs, u"track01.mp3.txt"_qs};
    QTest::newRow("list") << u"[!t]*"_qs << QStringList{u"a.mp3"_qs};
}

void tst_SearchScan::patterns() {
    QFETCH(QString, pattern);
    QFETCH(QStringList, expected);
    SearchFixture f;
    for (const char *name : {"TRACK01.MP3", "track01.mp3.txt", "a.mp3"})
        f.touch(QString::fromLatin1(name));
    Form1 *dialog = f.scan(f.folder(), pattern);
    QStringList names;
    for (int row = 0; row < f.window.model().rowCount(); ++row)
        names << f.window.model().entry(row).name;
    names.sort();
    QCOMPARE(names, expected);
    QCOMPARE(dialog->Label3->text(), u"完成查找！"_qs);
    QCOMPARE(f.fake.eventPump->pumps, 3);
}

void tst_SearchScan::invalidPatternEndsQuietly() {
    SearchFixture f;
    f.touch(u"a.mp3"_qs);
    f.touch(u"b.mp3"_qs);
    f.touch(u"sub/c.mp3"_qs);
    Form1 *dialog = f.scan(f.folder(), u"[a-c.mp3"_qs);
    QCOMPARE(f.window.model().rowCount(), 0);
    QVERIFY(f.fake.messageBoxes->shown.isEmpty());
    // The first match test ends the visit of the top folder, and with it the scan.
    QCOMPARE(f.fake.eventPump->pumps, 0);
    QCOMPARE(dialog->Label3->text(), u"完成查找！"_qs);
    QCOMPARE(dialog->Label4->text(), u"共找到 0个节目文件"_qs);
    QVERIFY(!f.window.muneditdelete->isEnabled());
}

void tst_SearchScan::listedAgainAndSavedCleared() {
    SearchFixture f;
    const QString path = f.touch(u"a.mp3"_qs);
    f.addThroughMenu(path);
    f.window.saved = true;
    f.scan(f.folder());
    QCOMPARE(f.paths(), QStringList({path, path}));
    QVERIFY(!f.window.saved);
    f.scan(f.folder());
    QCOMPARE(f.paths(), QStringList({path, path, path}));

    f.window.saved = true;
    f.scan(f.folder(), u"*.nothing"_qs);
    QVERIFY(!f.window.saved);
    QCOMPARE(f.window.model().rowCount(), 3);
}

void tst_SearchScan::labelsAndStatusDuringAndAfter() {
    SearchFixture f;
    const QString before = f.touch(u"before.wav"_qs);
    f.addThroughMenu(before);
    const QString find = f.touch(u"scan/一首歌.mp3"_qs);
    f.touch(u"scan/notes.txt"_qs);
    Form1 *dialog = f.open();

    struct Seen {
        QString label3, label4, status;
    };
    QList<Seen> seen;
    FakeEventPump &pump = *f.fake.eventPump;
    pump.everyPass = [&] {
        seen << Seen{dialog->Label3->text(), dialog->Label4->text(), f.statusPanel()};
        QVERIFY(dialog->Searching);
        QVERIFY(pump.busy);
        QCOMPARE(dialog->Command1->text(), u"停止"_qs);
        QVERIFY(dialog->Command1->isEnabled());
        for (QWidget *input : std::initializer_list<QWidget *>{
                 dialog->Command2, dialog->Command3, dialog->Check1, dialog->Combo1, dialog->Text1})
            QVERIFY(!input->isEnabled());
        // After every pass the table holds every find the labels count.
        QCOMPARE(f.window.model().rowCount(),
                 1 + (seen.size() > 1 || seen[0].label3.contains(find)));
    };
    f.scan(f.folder(u"scan"_qs));

    QCOMPARE(seen.size(), 2);
    const bool findFirst = seen[0].label3 == u"正在查找"_qs + find + u"..."_qs;
    const int firstFinds = findFirst ? 1 : 0;
    QVERIFY(seen[findFirst ? 1 : 0].label3.endsWith(u"/scan/notes.txt..."_qs));
    QCOMPARE(seen[0].label4, u"共找到 0个节目文件"_qs);
    QCOMPARE(seen[0].status, u"共有1个节目文件！"_qs);
    QCOMPARE(seen[1].label4, u"共找到 %1个节目文件"_qs.arg(firstFinds));
    QCOMPARE(seen[1].status, u"共有%1个节目文件！"_qs.arg(1 + firstFinds));

    QCOMPARE(dialog->Label3->text(), u"完成查找！"_qs);
    QCOMPARE(dialog->Label4->text(), u"共找到 1个节目文件"_qs);
    QCOMPARE(f.statusPanel(), u"共有2个节目文件！"_qs);
    QCOMPARE(dialog->Command1->text(), u"开始查找"_qs);
    QVERIFY(!dialog->Searching);
    QVERIFY(!pump.busy);
    QCOMPARE(pump.busyShown, 1);
    QCOMPARE(f.paths(), QStringList({before, find}));
    QCOMPARE(f.window.model().entry(1).name, u"一首歌.mp3"_qs);
}

void tst_SearchScan::emptyFolderShowsZero() {
    SearchFixture f;
    QDir().mkpath(f.folder(u"empty"_qs));
    Form1 *dialog = f.scan(f.folder(u"empty"_qs));
    QCOMPARE(dialog->Label3->text(), u"完成查找！"_qs);
    QCOMPARE(dialog->Label4->text(), u"共找到 0个节目文件"_qs);
    QCOMPARE(f.statusPanel(), u"共有0个节目文件！"_qs);
    QVERIFY(!f.window.muneditdelete->isEnabled());
    QVERIFY(!f.window.muneditgoon->isEnabled());
    QVERIFY(!f.window.muneditgodown->isEnabled());
}

void tst_SearchScan::stopThroughPump() {
    SearchFixture f;
    for (const char *name : {"1.mp3", "2.mp3", "3.mp3", "4.mp3", "5.mp3", "sub/6.mp3"})
        f.touch(QString::fromLatin1(name));
    Form1 *dialog = f.open();
    f.fake.eventPump->actions[2] = [&] {
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        QVERIFY(!dialog->Searching);
        QCOMPARE(dialog->Command1->text(), u"开始查找"_qs);
        QCOMPARE(dialog->Label3->text(), u"停止查找！"_qs);
        QVERIFY(f.window.muneditdelete->isEnabled());
    };
    f.scan(f.folder());

    // The file after the click is still examined and added; then nothing more.
    QCOMPARE(f.window.model().rowCount(), 3);
    QCOMPARE(f.fake.eventPump->pumps, 2);
    QCOMPARE(dialog->Label3->text(), u"停止查找！"_qs);
    QCOMPARE(dialog->Label4->text(), u"共找到 3个节目文件"_qs);
    QCOMPARE(f.statusPanel(), u"共有3个节目文件！"_qs);
    QVERIFY(dialog->Command2->isEnabled() && dialog->Text1->isEnabled());
    QVERIFY(!f.fake.eventPump->busy);

    // The next click starts a new scan at once.
    dialog->Command1->click();
    QCOMPARE(f.window.model().rowCount(), 9);
    QCOMPARE(dialog->Label3->text(), u"完成查找！"_qs);
}

void tst_SearchScan::startWhileStoppedScanUnwinds() {
    SearchFixture f;
    for (const char *name : {"1.mp3", "2.mp3", "3.mp3", "4.mp3"})
        f.touch(QString::fromLatin1(name));
    Form1 *dialog = f.open();
    f.fake.eventPump->actions[1] = [&] {
        dialog->Command1->click();
        dialog->Command1->click();
    };
    f.scan(f.folder());
    QCOMPARE(f.window.model().rowCount(), 2);
    QCOMPARE(f.fake.eventPump->pumps, 1);
    QCOMPARE(f.fake.eventPump->busyShown, 1);
    QVERIFY(!dialog->Searching);
    QCOMPARE(dialog->Label3->text(), u"停止查找！"_qs);
}

void tst_SearchScan::entriesOfTheWalk() {
    SearchFixture f;
    const QString hidden = f.touch(u".hidden.mp3"_qs);
    const QString inner = f.touch(u"sub/b.mp3"_qs);
    QVERIFY(QFile::link(f.folder(), f.folder(u"sub/loop"_qs)));
    QVERIFY(QFile::link(inner, f.folder(u"link.mp3"_qs)));
    QVERIFY(QFile::link(f.folder(u"nowhere"_qs), f.folder(u"broken.mp3"_qs)));
    QDir().mkpath(f.folder(u".hiddenfolder"_qs));
    const QString inHidden = f.touch(u".hiddenfolder/c.mp3"_qs);
    f.scan(f.folder());

    QStringList found = f.paths();
    found.sort();
    QStringList expected{hidden, inHidden, f.folder(u"link.mp3"_qs), inner};
    expected.sort();
    QCOMPARE(found, expected);
}

void tst_SearchScan::folderThatCannotBeListedIsSkipped() {
    SearchFixture f;
    const QString top = f.touch(u"a.mp3"_qs);
    f.touch(u"gone/x.mp3"_qs);
    f.touch(u"gone/deeper/y.mp3"_qs);
    const QString kept = f.touch(u"kept/z.mp3"_qs);
    // The top folder's listing is taken; the folder vanishes before its visit.
    f.fake.eventPump->actions[1] = [&] { QVERIFY(QDir(f.folder(u"gone"_qs)).removeRecursively()); };
    Form1 *dialog = f.scan(f.folder());
    QCOMPARE(f.paths(), QStringList({top, kept}));
    QCOMPARE(dialog->Label3->text(), u"完成查找！"_qs);
    QVERIFY(f.fake.messageBoxes->shown.isEmpty());
}

void tst_SearchScan::unreadableFolderIsSkipped() {
    if (geteuid() == 0)
        QSKIP("permissions do not hold for root");
    SearchFixture f;
    f.touch(u"locked/x.mp3"_qs);
    const QString kept = f.touch(u"kept/z.mp3"_qs);
    QFile::setPermissions(f.folder(u"locked"_qs), QFileDevice::Permissions());
    f.scan(f.folder());
    QFile::setPermissions(f.folder(u"locked"_qs),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(f.paths(), QStringList{kept});
}

void tst_SearchScan::tableChangedDuringScan() {
    SearchFixture f;
    const QString before = f.touch(u"before.wav"_qs);
    const QString added = f.touch(u"added.wav"_qs);
    f.addThroughMenu(before);
    for (const char *name : {"scan/1.mp3", "scan/2.mp3", "scan/3.mp3", "scan/4.mp3"})
        f.touch(QString::fromLatin1(name));
    FakeEventPump &pump = *f.fake.eventPump;
    // Add puts its row after the first find; then Delete removes every row; then Add again.
    pump.actions[1] = [&] { f.addThroughMenu(added); };
    pump.actions[2] = [&] {
        f.window.findChild<QAction *>(u"muneditselectall"_qs)->trigger();
        f.window.findChild<QAction *>(u"muneditdelete"_qs)->trigger();
    };
    pump.actions[3] = [&] { f.addThroughMenu(before); };
    Form1 *dialog = f.scan(f.folder(u"scan"_qs));

    // Finds 3 and 4 are asked for positions 4 and 5 of a table that holds one row before each.
    const QStringList paths = f.paths();
    QCOMPARE(paths.size(), 3);
    QCOMPARE(paths[1], before);
    QVERIFY(paths[0].startsWith(f.folder(u"scan/"_qs)));
    QVERIFY(paths[2].startsWith(f.folder(u"scan/"_qs)));
    QCOMPARE(dialog->Label4->text(), u"共找到 4个节目文件"_qs);
    QCOMPARE(f.statusPanel(), u"共有3个节目文件！"_qs);
    QVERIFY(f.window.muneditdelete->isEnabled());
}

void tst_SearchScan::rowBound() {
    SearchFixture f(false);
    PlaylistModel &model = f.window.model();
    for (int row = 0; row < PlaylistModel::MaxRows - 1; ++row)
        model.insertEntry(row, PlaylistEntry{});
    for (const char *name : {"1.mp3", "2.mp3", "3.mp3", "sub/4.mp3"})
        f.touch(QString::fromLatin1(name));
    Form1 *dialog = f.scan(f.folder());
    // The second find would pass the bound: it ends the visit of the top folder.
    QCOMPARE(model.rowCount(), PlaylistModel::MaxRows);
    QCOMPARE(f.fake.eventPump->pumps, 1);
    QCOMPARE(dialog->Label4->text(), u"共找到 1个节目文件"_qs);
    QCOMPARE(dialog->Label3->text(), u"完成查找！"_qs);
    QCOMPARE(f.statusPanel(), u"共有32767个节目文件！"_qs);
}

QTEST_MAIN(tst_SearchScan)
#include "tst_searchscan.moc"
