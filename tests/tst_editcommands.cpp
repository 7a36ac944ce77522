#include "tablerows.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

class EditCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commands_data();
    void commands();
};

void EditCommandsTest::commands_data() {
    // The rows before (as Window takes them) | the menu items run, less their "munedit" | the
    // rows after (as rows() gives them).
    QTest::addColumn<QString>("row");
    QTest::newRow("delete, none checked") << QString("..*. | delete | f1 f2* f3");
    QTest::newRow("delete rows 2 and 3 of 4") << QString(".xx. | delete | f1 f4");
    QTest::newRow("delete bottom up") << QString("x.xx..xx.x | delete | f2 f5 f6 f9");
    QTest::newRow("delete all") << QString("xx*x | delete | ");
    QTest::newRow("delete, current stays") << QString("xx..*. | delete | f3 f4* f5");
    QTest::newRow("delete current, next takes its place") << QString(".x*x.. | delete | f1 f4* f5");
    QTest::newRow("delete current last row") << QString("..xxx* | delete | f1 f2*");
    QTest::newRow("delete, nothing current") << QString(".x.x. | delete | f1 f3 f5");
    // The selection goes with the moved file; at an edge nothing changes but `saved`.
    QTest::newRow("up on the first row") << QString(".*.. | goon | f1* f2 f3");
    QTest::newRow("down on the last row") << QString("...* | godown | f1 f2 f3*");
    QTest::newRow("down twice from row 2") << QString("..*. | godown godown | f1 f3 f2*");
    QTest::newRow("up twice from row 3") << QString("...* | goon goon | f3* f1 f2");
    QTest::newRow("up, nothing current") << QString("... | goon | f1 f2 f3");
    QTest::newRow("down, nothing current") << QString("... | godown | f1 f2 f3");
    QTest::newRow("a moved checked row leaves its mark") << QString("..x* | goon | f1 f3* f2x");
    QTest::newRow("select all") << QString("x..x*. | selectall | f1x f2x f3x f4x* f5x");
    QTest::newRow("invert") << QString("x..x*. | selectunall | f1 f2x f3x f4* f5x");
    QTest::newRow("clear") << QString("x..x*. | selectclear | f1 f2 f3 f4* f5");
    QTest::newRow("select all, invert") << QString(".*x.. | selectall selectunall | f1* f2 f3 f4");
    QTest::newRow("empty table") << QString(" | selectall selectunall selectclear | ");
}

void EditCommandsTest::commands() {
    QFETCH(QString, row);
    const QStringList part = row.split(" | ");
    Window w(part[0]);
    w.form.saved = true;
    QSignalSpy changes(&w.form.model(), &QAbstractItemModel::dataChanged);

    for (const QString &command : part[1].split(' '))
        w.form.findChild<QAction *>("munedit" + command)->trigger();

    QCOMPARE(w.rows(), part[2]);
    // The row commands clear `saved` even when they change nothing; the check marks leave it.
    const bool checkMarks = part[1].startsWith("select");
    QCOMPARE(w.form.saved, checkMarks);
    const int count = w.form.model().rowCount();
    QCOMPARE(w.form.findChild<QLabel *>("countPanel")->text(),
             QString("共有%1个节目文件！").arg(count));
    for (const QAction *item : {w.form.muneditdelete, w.form.muneditgoon, w.form.muneditgodown})
        QCOMPARE(item->isEnabled(), count > 0);
    if (checkMarks && count > 0) { // each command tells the view of every row's mark at once
        QCOMPARE(changes.size(), part[1].count(' ') + 1);
        for (const QList<QVariant> &change : std::as_const(changes))
            QCOMPARE(change[1].toModelIndex().row() - change[0].toModelIndex().row(), count - 1);
    }
}

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
