#include "tablerows.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

class EditCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commands_data();
    void commands();
};

void EditCommandsTest::commands_data() {
    QTest::addColumn<QString>("before");   // as addRows takes it
    QTest::addColumn<QString>("commands"); // menu items without their "munedit"
    QTest::addColumn<QString>("after");

    const auto row = [](const char *name, const char *before, const char *commands,
                        const char *after) {
        QTest::newRow(name) << QString(before) << QString(commands) << QString(after);
    };
    row("delete, none checked", "..*.", "delete", "f1 f2* f3");
    row("delete rows 2 and 3 of 4", ".xx.", "delete", "f1 f4");
    row("delete bottom up", "x.xx..xx.x", "delete", "f2 f5 f6 f9");
    row("delete all", "xx*x", "delete", "");
    row("delete, current stays", "xx..*.", "delete", "f3 f4* f5");
    row("delete current, next takes its place", ".x*x..", "delete", "f1 f4* f5");
    row("delete current last row", "..xxx*", "delete", "f1 f2*");
    row("delete, nothing current", ".x.x.", "delete", "f1 f3 f5");
    // The selection goes with the moved file; at an edge nothing changes but `saved`.
    row("up on the first row", ".*..", "goon", "f1* f2 f3");
    row("down on the last row", "...*", "godown", "f1 f2 f3*");
    row("down twice from row 2", "..*.", "godown godown", "f1 f3 f2*");
    row("up twice from row 3", "...*", "goon goon", "f3* f1 f2");
    row("up, nothing current", "...", "goon", "f1 f2 f3");
    row("down, nothing current", "...", "godown", "f1 f2 f3");
    row("a moved checked row leaves its mark", "..x*", "goon", "f1 f3* f2x");
    row("select all", "x..x*.", "selectall", "f1x f2x f3x f4x* f5x");
    row("invert", "x..x*.", "selectunall", "f1 f2x f3x f4* f5x");
    row("clear", "x..x*.", "selectclear", "f1 f2 f3 f4* f5");
    row("select all then invert", ".*x..", "selectall selectunall", "f1* f2 f3 f4");
    row("check marks, empty table", "", "selectall selectunall selectclear", "");
}

void EditCommandsTest::commands() {
    QFETCH(QString, before);
    QFETCH(QString, commands);
    QFETCH(QString, after);
    Window w;
    w.addRows(before);
    w.form.saved = true;
    QSignalSpy changes(&w.form.model(), &QAbstractItemModel::dataChanged);

    for (const QString &command : commands.split(' '))
        w.item("munedit" + command)->trigger();

    QCOMPARE(w.rows(), after);
    const int current = w.form.currentRow();
    QCOMPARE(w.form.ListView1->currentIndex().row(), current);
    QCOMPARE(w.form.ListView1->selectionModel()->selectedRows().size(), current < 0 ? 0 : 1);
    // The row commands clear `saved` even when they change nothing; the check marks leave it.
    const bool checkMarks = commands.startsWith("select");
    QCOMPARE(w.form.saved, checkMarks);
    const int count = w.form.model().rowCount();
    QCOMPARE(w.form.findChild<QLabel *>("countPanel")->text(),
             QString("共有%1个节目文件！").arg(count));
    QString available; // Delete, Move up, Move down in the menu, then on the toolbar
    for (const char *name : {"muneditdelete", "muneditgoon", "muneditgodown"})
        available += w.item(name)->isEnabled() ? '1' : '0';
    for (int i = 4; i <= 6; ++i)
        available += w.form.findChild<QWidget *>(QString("Image1_%1").arg(i))
                             ->testAttribute(Qt::WA_TransparentForMouseEvents)
                         ? '0'
                         : '1';
    QCOMPARE(available, QString(6, count > 0 ? '1' : '0'));
    // Each check-mark command tells the view of every row's mark at once.
    if (checkMarks && count > 0) {
        QCOMPARE(changes.size(), commands.count(' ') + 1);
        for (const QList<QVariant> &change : std::as_const(changes))
            QCOMPARE(change[1].toModelIndex().row() - change[0].toModelIndex().row(), count - 1);
    }
}

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
