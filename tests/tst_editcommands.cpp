#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"
#include "tablerows.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>

class EditCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void deleteRemovesCheckedRows_data();
    void deleteRemovesCheckedRows();
    void deleteRemovesBottomUp();
    void deleteKeepsACurrentRow_data();
    void deleteKeepsACurrentRow();
    void rowCommandsFollowTheRowCount();

    void moves_data();
    void moves();
    void movedCheckedRowLeavesItsMarkBehind();

    void checkMarkCommands_data();
    void checkMarkCommands();
    void checkMarkCommandsOnAnEmptyTable();

private:
    QString countMessage() const;
    // Delete, Move up, Move down in the menu, then on the toolbar.
    QList<bool> rowCommandStates() const;

    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<frmmain> m_form;
};

void EditCommandsTest::init() {
    m_fakes = std::make_unique<FakePlatform>();
    m_form = std::make_unique<frmmain>(m_fakes->platform);
    new QAbstractItemModelTester(
        &m_form->model(), QAbstractItemModelTester::FailureReportingMode::QtTest, m_form.get());
}

void EditCommandsTest::cleanup() {
    m_form.reset();
    m_fakes.reset();
}

QString EditCommandsTest::countMessage() const {
    return m_form->findChild<QLabel *>(QStringLiteral("countPanel"))->text();
}

QList<bool> EditCommandsTest::rowCommandStates() const {
    QList<bool> states = {m_form->muneditdelete->isEnabled(), m_form->muneditgoon->isEnabled(),
                          m_form->muneditgodown->isEnabled()};
    for (int button = 4; button <= 6; ++button) {
        const auto *image = m_form->findChild<QWidget *>(QStringLiteral("Image1_%1").arg(button));
        states << !image->testAttribute(Qt::WA_TransparentForMouseEvents);
    }
    return states;
}

void EditCommandsTest::deleteRemovesCheckedRows_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("remaining");

    QTest::newRow("none checked") << 3 << "..." << QStringLiteral("f1 f2 f3");
    QTest::newRow("rows 2 and 3 of 4") << 4 << ".xx." << QStringLiteral("f1 f4");
    QTest::newRow("every other") << 6 << "x.x.x." << QStringLiteral("f2 f4 f6");
    QTest::newRow("first and last") << 5 << "x...x" << QStringLiteral("f2 f3 f4");
    QTest::newRow("all") << 3 << "xxx" << QStringLiteral("");
}

void EditCommandsTest::deleteRemovesCheckedRows() {
    QFETCH(int, rows);
    QFETCH(QString, checked);
    QFETCH(QString, remaining);
    addRows(*m_form, rows);
    setChecks(*m_form, checked);
    m_form->saved = true;

    menuItem(*m_form, "muneditdelete")->trigger();

    QCOMPARE(names(*m_form), remaining);
    QVERIFY(!checks(*m_form).contains(QLatin1Char('x')));
    QCOMPARE(m_form->saved, false);
    const int left = m_form->model().rowCount();
    QCOMPARE(countMessage(), QStringLiteral("共有%1个节目文件！").arg(left));
    QCOMPARE(rowCommandStates(), QList<bool>(6, left > 0));
}

void EditCommandsTest::deleteRemovesBottomUp() {
    addRows(*m_form, 10);
    setChecks(*m_form, QStringLiteral("x.xx..xxx."));
    menuItem(*m_form, "muneditdelete")->trigger();

    QCOMPARE(names(*m_form), QStringLiteral("f2 f5 f6 f10"));
    QCOMPARE(checks(*m_form), QStringLiteral("...."));
}

void EditCommandsTest::deleteKeepsACurrentRow_data() {
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("currentAfter");

    QTest::newRow("current stays") << "xx..." << 3 << "f4";
    QTest::newRow("next row takes its place") << ".xx.." << 1 << "f4";
    QTest::newRow("last row goes, new last is current") << "..xxx" << 4 << "f2";
    QTest::newRow("nothing current stays so") << ".x.x." << -1 << "";
    QTest::newRow("all go") << "xxxxx" << 2 << "";
}

void EditCommandsTest::deleteKeepsACurrentRow() {
    QFETCH(QString, checked);
    QFETCH(int, current);
    QFETCH(QString, currentAfter);
    addRows(*m_form, 5);
    setChecks(*m_form, checked);
    if (current >= 0)
        m_form->selectRow(current);

    menuItem(*m_form, "muneditdelete")->trigger();

    const int row = m_form->currentRow();
    QCOMPARE(row < 0 ? QString() : m_form->model().entry(row).name.chopped(4), currentAfter);
    QCOMPARE(m_form->ListView1->currentIndex().row(), row);
}

void EditCommandsTest::rowCommandsFollowTheRowCount() {
    addRows(*m_form, 2);
    setChecks(*m_form, QStringLiteral("xx"));
    menuItem(*m_form, "muneditdelete")->trigger();
    QCOMPARE(rowCommandStates(), QList<bool>(6, false));
    QCOMPARE(countMessage(), QStringLiteral("共有0个节目文件！"));

    // Add, through its dialog and a real file, makes them available again.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.mp3"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_fakes->fileDialog->openAnswers.push_back({path});
    menuItem(*m_form, "muneditadd")->trigger();
    QCOMPARE(m_form->model().rowCount(), 1);
    QCOMPARE(rowCommandStates(), QList<bool>(6, true));
}

void EditCommandsTest::moves_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("currentAfter");
    // The selection travels with the file, so a second move carries it one further or stops
    // at the edge.
    QTest::addColumn<QString>("orderAfterSecond");
    QTest::addColumn<int>("currentAfterSecond");

    QTest::newRow("up on the first row")
        << "muneditgoon" << 0 << "f1 f2 f3" << 0 << "f1 f2 f3" << 0;
    QTest::newRow("down on the last row")
        << "muneditgodown" << 2 << "f1 f2 f3" << 2 << "f1 f2 f3" << 2;
    QTest::newRow("down on row 2") << "muneditgodown" << 1 << "f1 f3 f2" << 2 << "f1 f3 f2" << 2;
    QTest::newRow("up on row 3") << "muneditgoon" << 2 << "f1 f3 f2" << 1 << "f3 f1 f2" << 0;
    QTest::newRow("up with no current row")
        << "muneditgoon" << -1 << "f1 f2 f3" << -1 << "f1 f2 f3" << -1;
    QTest::newRow("down with no current row")
        << "muneditgodown" << -1 << "f1 f2 f3" << -1 << "f1 f2 f3" << -1;
}

void EditCommandsTest::moves() {
    QFETCH(QString, command);
    QFETCH(int, current);
    QFETCH(QString, order);
    QFETCH(int, currentAfter);
    QFETCH(QString, orderAfterSecond);
    QFETCH(int, currentAfterSecond);
    addRows(*m_form, 3);
    if (current >= 0)
        m_form->selectRow(current);
    m_form->saved = true;
    QSignalSpy rowsChanged(&m_form->model(), &QAbstractItemModel::rowsRemoved);

    QAction *item = menuItem(*m_form, command.toLatin1().constData());
    item->trigger();

    QCOMPARE(names(*m_form), order);
    QCOMPARE(m_form->currentRow(), currentAfter);
    QCOMPARE(m_form->ListView1->currentIndex().row(), currentAfter);
    QCOMPARE(m_form->ListView1->selectionModel()->selectedRows().size(), currentAfter < 0 ? 0 : 1);
    QCOMPARE(m_form->saved, false);
    QCOMPARE(countMessage(), QStringLiteral("共有3个节目文件！"));
    QVERIFY(rowsChanged.isEmpty());

    m_form->saved = true;
    item->trigger();
    QCOMPARE(names(*m_form), orderAfterSecond);
    QCOMPARE(m_form->currentRow(), currentAfterSecond);
    QCOMPARE(m_form->saved, false);
}

void EditCommandsTest::movedCheckedRowLeavesItsMarkBehind() {
    addRows(*m_form, 3);
    setChecks(*m_form, QStringLiteral("..x"));
    m_form->selectRow(2);
    const PlaylistEntry second = m_form->model().entry(1);
    const PlaylistEntry third = m_form->model().entry(2);

    menuItem(*m_form, "muneditgoon")->trigger();

    QCOMPARE(checks(*m_form), QStringLiteral("..x"));
    const PlaylistEntry &row2 = m_form->model().entry(1);
    const PlaylistEntry &row3 = m_form->model().entry(2);
    QCOMPARE(QStringList({row2.name, row2.size, row2.path, row2.type, row2.created}),
             QStringList({third.name, third.size, third.path, third.type, third.created}));
    QCOMPARE(QStringList({row3.name, row3.size, row3.path, row3.type, row3.created}),
             QStringList({second.name, second.size, second.path, second.type, second.created}));
    QCOMPARE(m_form->currentRow(), 1);
}

void EditCommandsTest::checkMarkCommands_data() {
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    const QString all = QStringLiteral("muneditselectall");
    const QString invert = QStringLiteral("muneditselectunall");
    const QString clear = QStringLiteral("muneditselectclear");
    QTest::newRow("select all") << QStringList{all} << "x..x." << QStringLiteral("xxxxx");
    QTest::newRow("invert a mix") << QStringList{invert} << "x..x." << QStringLiteral(".xx.x");
    QTest::newRow("clear") << QStringList{clear} << "x..x." << QStringLiteral(".....");
    QTest::newRow("select all then invert")
        << QStringList{all, invert} << ".x..." << QStringLiteral(".....");
    QTest::newRow("invert twice") << QStringList{invert, invert} << "xx..x"
                                  << QStringLiteral("xx..x");
}

void EditCommandsTest::checkMarkCommands() {
    QFETCH(QStringList, commands);
    QFETCH(QString, before);
    QFETCH(QString, after);
    addRows(*m_form, 5);
    setChecks(*m_form, before);
    m_form->selectRow(3);
    m_form->saved = true;
    QSignalSpy changes(&m_form->model(), &QAbstractItemModel::dataChanged);

    for (const QString &command : commands)
        menuItem(*m_form, command.toLatin1().constData())->trigger();

    QCOMPARE(checks(*m_form), after);
    QCOMPARE(names(*m_form), QStringLiteral("f1 f2 f3 f4 f5"));
    QCOMPARE(m_form->saved, true);
    QCOMPARE(m_form->currentRow(), 3);
    QCOMPARE(countMessage(), QStringLiteral("共有5个节目文件！"));
    // One change per command, over every row's check mark.
    QCOMPARE(changes.size(), commands.size());
    for (const QList<QVariant> &change : std::as_const(changes)) {
        QCOMPARE(change[0].toModelIndex().row(), 0);
        QCOMPARE(change[1].toModelIndex().row(), 4);
    }
}

void EditCommandsTest::checkMarkCommandsOnAnEmptyTable() {
    m_form->saved = true;
    QSignalSpy changes(&m_form->model(), &QAbstractItemModel::dataChanged);
    for (const char *command : {"muneditselectall", "muneditselectunall", "muneditselectclear"})
        menuItem(*m_form, command)->trigger();
    QCOMPARE(m_form->saved, true);
    QCOMPARE(m_form->model().rowCount(), 0);
    QVERIFY(changes.isEmpty());
}

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
