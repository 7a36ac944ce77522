#include "app/lineshape.h"
#include "tablerows.h"

#include <QTest>

namespace {

// The seven frames, one character each: '-' flat in the button face, 'r' raised (white over
// black), 'p' pressed (black over white).
QString looks(const frmmain &form) {
    const QList<QColor> flat(4, form.palette().color(QPalette::Window));
    const QList<QColor> raised{Qt::white, Qt::white, Qt::black, Qt::black};
    const QList<QColor> pressed{Qt::black, Qt::black, Qt::white, Qt::white};
    QString result;
    for (int i = 0; i < 7; ++i) {
        QList<QColor> frame;
        for (int n = 1; n <= 4; ++n)
            frame << form.findChild<LineShape *>(QString("Line%1_%2").arg(n).arg(i))->color();
        result += QString("?-rp")[QList{flat, raised, pressed}.indexOf(frame) + 1];
    }
    return result;
}

} // namespace

class ToolbarColumnTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layout();
    void mouse_data();
    void mouse();
};

void ToolbarColumnTest::layout() {
    Window w({});
    const QWidget *column = w.form.findChild<QWidget *>("toolbarColumn");
    QCOMPARE(column->mapTo(w.form.centralWidget(), QPoint()), QPoint(596, 0));
    const QStringList captions = QString("新建 打开 保存 加入 删除 上移 下移").split(' ');
    const QList<QRect> frame{{0, 0, 20, 1}, {0, 1, 1, 20}, {1, 20, 20, 1}, {20, 0, 1, 20}};
    QCOMPARE(looks(w.form), "-------");
    for (int i = 0; i < 7; ++i) {
        QWidget *button = column->findChild<QWidget *>(QString("Image1_%1").arg(i));
        QCOMPARE(button->geometry(), QRect(4, 4 + 28 * i, 21, 21));
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(column->findChild<QWidget *>(QString("Line%1_%2").arg(n).arg(i))->geometry(),
                     frame[n - 1].translated(button->pos()));
        QCOMPARE(button->accessibleName(), captions[i]);
        const QImage drawn = button->grab().toImage();
        QVERIFY(drawn.pixel(10, 10) != drawn.pixel(1, 1) || drawn.pixel(7, 7) != drawn.pixel(1, 1));
    }
    const auto *separator = column->findChild<LineShape *>("Line5");
    QCOMPARE(separator->geometry(), QRect(0, 84, 28, 2));
    QCOMPARE(separator->color(), w.form.palette().color(QPalette::WindowText));
}

void ToolbarColumnTest::mouse_data() {
    // The rows before (as Window takes them) | the steps | the looks after | the commands run |
    // the rows after. A step: m moves, L, R and M click the left, right and middle mouse
    // buttons, over a button given by its number or at a point of the client area. Dialogs and
    // questions are cancelled.
    QTest::addColumn<QString>("row");
    QTest::newRow("on to the next button") << QString(" | m0 m610,24 m610,32 | rr----- |  | ");
    QTest::newRow("then left of the column") << QString(" | m0 m594,200 | ------- |  | ");
    QTest::newRow("then between two buttons") << QString(" | m0 m610,28 | ------- |  | ");
    QTest::newRow("then over an unavailable button") << QString(" | m0 m5 | ------- |  | ");
    QTest::newRow("then over the table") << QString(" | m0 m100,100 | r------ |  | ");
    QTest::newRow("then over the table's header") << QString(" | m0 m100,5 | r------ |  | ");
    QTest::newRow("then over the status bar") << QString(" | m0 m50,346 | r------ |  | ");
    QTest::newRow("left click") << QString(" | m2 L2 | --p---- | munfilesave | ");
    QTest::newRow("right click") << QString(" | m2 R2 | --p---- |  | ");
    QTest::newRow("middle click") << QString(" | m2 M2 | --p---- |  | ");
    QTest::newRow("a move after a click") << QString(" | R2 m611,70 | --r---- |  | ");
    QTest::newRow("new") << QString("..*x | L0 | p------ | munfilenew | f1 f2* f3x");
    QTest::newRow("open") << QString("..*x | L1 | -p----- | munfileopen | f1 f2* f3x");
    QTest::newRow("save") << QString("..*x | L2 | --p---- | munfilesave | f1 f2* f3x");
    QTest::newRow("add") << QString("..*x | L3 | ---p--- | muneditadd | f1 f2* f3x");
    QTest::newRow("delete") << QString("..*x | L4 | ----p-- | muneditdelete | f1 f2*");
    QTest::newRow("move up") << QString("..*x | L5 | -----p- | muneditgoon | f2* f1 f3x");
    QTest::newRow("move down") << QString("..*x | L6 | ------p | muneditgodown | f1 f3 f2x*");
    QTest::newRow("unavailable buttons") << QString(" | m4 L4 R5 m6 L6 | ------- |  | ");
    QTest::newRow("delete all") << QString("xx | m4 L4 R4 | ------- | muneditdelete | ");
}

void ToolbarColumnTest::mouse() {
    QFETCH(QString, row);
    const QStringList part = row.split(" | ");
    Window w(part[0]);
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    w.fakes.fileDialog->openAnswers.push_back({});
    w.fakes.fileDialog->saveAnswers.push_back({});
    w.fakes.messageBoxes->answers.push_back(MessageAnswer::Cancel);
    QStringList ran;
    for (QAction *action : w.form.findChildren<QAction *>())
        connect(action, &QAction::triggered, this, [&ran, action] { ran << action->objectName(); });
    QWidget *button5 = w.form.findChild<QWidget *>("Image1_5");
    const QImage picture = button5->grab().toImage();

    const QHash<QChar, Qt::MouseButton> buttons{
        {'L', Qt::LeftButton}, {'R', Qt::RightButton}, {'M', Qt::MiddleButton}};
    for (const QString &step : part[1].split(' ')) {
        const QStringList xy = step.mid(1).split(',');
        const QPoint at = w.form.centralWidget()->mapTo(
            &w.form, xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt())
                                    : QPoint(610, 14 + 28 * xy[0].toInt()));
        QTest::mouseEvent(step[0] == 'm' ? QTest::MouseMove : QTest::MouseClick,
                          w.form.windowHandle(), buttons.value(step[0]), {}, at);
    }

    QCOMPARE(QStringList({looks(w.form), ran.join(' '), w.rows()}), part.mid(2));
    // Whether its button takes the mouse or not, a picture is drawn the same.
    QCOMPARE(button5->grab().toImage(), picture);
}

QTEST_MAIN(ToolbarColumnTest)
#include "tst_toolbarcolumn.moc"
