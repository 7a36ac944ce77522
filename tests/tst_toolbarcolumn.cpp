#include "app/frmmain.h"
#include "app/lineshape.h"
#include "app/playlistmodel.h"
#include "app/toolbarcolumn.h"
#include "fakeplatform.h"
#include "tablerows.h"

#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <memory>

using Look = ToolbarColumn::FrameLook;

// The toolbar driven as a user drives it: every mouse event goes in through the window, so the
// toolkit decides which control it reaches.
class ToolbarColumnTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsFlatWithRowButtonsUnavailable();
    void layout();
    void moveRaisesAndBackgroundFlattens_data();
    void moveRaisesAndBackgroundFlattens();
    void anyMouseButtonPresses_data();
    void anyMouseButtonPresses();
    void unavailableButtonsIgnoreTheMouse();
    void clicksRunTheMenuItems_data();
    void clicksRunTheMenuItems();
    void clickOnMoveUpMovesTheCurrentRow();
    void deleteOfTheLastRowsMakesRowButtonsUnavailable();

private:
    QWidget *button(int index) const;
    LineShape *line(int number, int index) const;
    QList<Look> looks() const;
    // A point of the window, given in a widget's coordinates.
    QPoint at(const QWidget *widget, QPoint position = {10, 10}) const;
    void moveTo(QPoint windowPosition);

    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<frmmain> m_form;
    ToolbarColumn *m_toolbar = nullptr;
};

void ToolbarColumnTest::init() {
    m_fakes = std::make_unique<FakePlatform>();
    m_form = std::make_unique<frmmain>(m_fakes->platform);
    m_toolbar = m_form->findChild<ToolbarColumn *>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void ToolbarColumnTest::cleanup() {
    m_form.reset();
    m_fakes.reset();
}

QWidget *ToolbarColumnTest::button(int index) const {
    return m_form->findChild<QWidget *>(QStringLiteral("Image1_%1").arg(index));
}

LineShape *ToolbarColumnTest::line(int number, int index) const {
    return m_form->findChild<LineShape *>(QStringLiteral("Line%1_%2").arg(number).arg(index));
}

QList<Look> ToolbarColumnTest::looks() const {
    QList<Look> result;
    for (int i = 0; i < ToolbarColumn::ButtonCount; ++i)
        result << m_toolbar->frameLook(i);
    return result;
}

QPoint ToolbarColumnTest::at(const QWidget *widget, QPoint position) const {
    return widget->mapTo(m_form.get(), position);
}

void ToolbarColumnTest::moveTo(QPoint windowPosition) {
    QTest::mouseMove(m_form->windowHandle(), windowPosition);
}

void ToolbarColumnTest::startsFlatWithRowButtonsUnavailable() {
    QCOMPARE(looks(), QList<Look>(7, Look::Flat));
    const QColor face = m_form->palette().color(QPalette::Window);
    for (int i = 0; i < ToolbarColumn::ButtonCount; ++i) {
        for (int number = 1; number <= 4; ++number)
            QCOMPARE(line(number, i)->color(), face);
        QCOMPARE(button(i)->testAttribute(Qt::WA_TransparentForMouseEvents), i >= 4);
        QVERIFY(button(i)->isEnabled());
    }
}

void ToolbarColumnTest::layout() {
    const QWidget *client = m_form->centralWidget();
    const QStringList captions = {QStringLiteral("新建"), QStringLiteral("打开"),
                                  QStringLiteral("保存"), QStringLiteral("加入"),
                                  QStringLiteral("删除"), QStringLiteral("上移"),
                                  QStringLiteral("下移")};
    for (int i = 0; i < ToolbarColumn::ButtonCount; ++i) {
        const int top = 4 + 28 * i;
        QWidget *image = button(i);
        QCOMPARE(QRect(image->mapTo(client, QPoint()), image->size()), QRect(600, top, 21, 21));
        QCOMPARE(image->accessibleName(), captions[i]);
        QCOMPARE(image->focusPolicy(), Qt::NoFocus);
        // The picture is drawn: more than one colour shows.
        const QImage drawn = image->grab().toImage();
        QVERIFY(drawn.pixel(10, 10) != drawn.pixel(1, 1) || drawn.pixel(7, 7) != drawn.pixel(1, 1));

        const auto lineRect = [this, client, i](int number) {
            const LineShape *shape = line(number, i);
            return QRect(shape->mapTo(client, QPoint()), shape->size());
        };
        QCOMPARE(lineRect(1), QRect(QPoint(600, top), QPoint(619, top)));
        QCOMPARE(lineRect(2), QRect(QPoint(600, top + 1), QPoint(600, top + 20)));
        QCOMPARE(lineRect(3), QRect(QPoint(601, top + 20), QPoint(620, top + 20)));
        QCOMPARE(lineRect(4), QRect(QPoint(620, top), QPoint(620, top + 19)));
    }
    const auto *separator = m_form->findChild<LineShape *>(QStringLiteral("Line5"));
    QCOMPARE(QRect(separator->mapTo(client, QPoint()), separator->size()), QRect(596, 84, 28, 2));
    QCOMPARE(separator->color(), m_form->palette().color(QPalette::WindowText));
}

void ToolbarColumnTest::moveRaisesAndBackgroundFlattens_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("flattens");

    QTest::newRow("left of the column") << "client" << QPoint(594, 200) << true;
    QTest::newRow("between two buttons") << "client" << QPoint(610, 28) << true;
    QTest::newRow("below the buttons") << "client" << QPoint(610, 300) << true;
    QTest::newRow("over an unavailable button") << "client" << QPoint(610, 150) << true;
    QTest::newRow("over the table") << "ListView1" << QPoint(100, 100) << false;
    QTest::newRow("over the table's header") << "ListView1" << QPoint(100, 5) << false;
    QTest::newRow("over the status bar") << "sb" << QPoint(50, 10) << false;
}

void ToolbarColumnTest::moveRaisesAndBackgroundFlattens() {
    QFETCH(QString, target);
    QFETCH(QPoint, position);
    QFETCH(bool, flattens);

    moveTo(at(button(0)));
    QCOMPARE(looks()[0], Look::Raised);
    QCOMPARE(line(1, 0)->color(), QColor(Qt::white));
    QCOMPARE(line(2, 0)->color(), QColor(Qt::white));
    QCOMPARE(line(3, 0)->color(), QColor(Qt::black));
    QCOMPARE(line(4, 0)->color(), QColor(Qt::black));
    // Straight on to the next button, without crossing the background: the first stays raised.
    moveTo(at(button(0), {10, 20}));
    moveTo(at(button(1), {10, 0}));
    moveTo(at(button(1)));
    QCOMPARE(looks().mid(0, 3), QList<Look>({Look::Raised, Look::Raised, Look::Flat}));

    const QWidget *over = target == QStringLiteral("client") ? m_form->centralWidget()
                                                             : m_form->findChild<QWidget *>(target);
    moveTo(at(over, position));
    QCOMPARE(looks().mid(0, 2), QList<Look>(2, flattens ? Look::Flat : Look::Raised));
    if (flattens)
        QCOMPARE(line(1, 0)->color(), m_form->palette().color(QPalette::Window));
}

void ToolbarColumnTest::anyMouseButtonPresses_data() {
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void ToolbarColumnTest::anyMouseButtonPresses() {
    QFETCH(Qt::MouseButton, mouseButton);
    // A left click on Save shows the save dialog, which the user cancels.
    if (mouseButton == Qt::LeftButton)
        m_fakes->fileDialog->saveAnswers.push_back(QString());
    QAction *save = menuItem(*m_form, "munfilesave");
    QSignalSpy triggered(save, &QAction::triggered);
    const QPoint over = at(button(2));
    moveTo(over);

    QTest::mousePress(m_form->windowHandle(), mouseButton, {}, over);
    QCOMPARE(looks()[2], Look::Pressed);
    QCOMPARE(line(1, 2)->color(), QColor(Qt::black));
    QCOMPARE(line(2, 2)->color(), QColor(Qt::black));
    QCOMPARE(line(3, 2)->color(), QColor(Qt::white));
    QCOMPARE(line(4, 2)->color(), QColor(Qt::white));

    // Release changes nothing; the next move over the button raises it again.
    QTest::mouseRelease(m_form->windowHandle(), mouseButton, {}, over);
    QCOMPARE(looks()[2], Look::Pressed);
    QCOMPARE(triggered.size(), mouseButton == Qt::LeftButton ? 1 : 0);
    moveTo(over + QPoint(1, 0));
    QCOMPARE(looks()[2], Look::Raised);
}

void ToolbarColumnTest::unavailableButtonsIgnoreTheMouse() {
    const QImage picture = button(5)->grab().toImage();
    QSignalSpy triggered(menuItem(*m_form, "muneditgoon"), &QAction::triggered);
    for (int i = 4; i <= 6; ++i) {
        const QPoint over = at(button(i));
        moveTo(over);
        QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {}, over);
        QTest::mousePress(m_form->windowHandle(), Qt::RightButton, {}, over);
        QTest::mouseRelease(m_form->windowHandle(), Qt::RightButton, {}, over);
    }
    QCOMPARE(looks(), QList<Look>(7, Look::Flat));
    QVERIFY(triggered.isEmpty());
    QCOMPARE(button(5)->grab().toImage(), picture);

    addRows(*m_form, 1);
    moveTo(at(button(5)));
    QCOMPARE(looks()[5], Look::Raised);
    QCOMPARE(button(5)->grab().toImage(), picture);
}

void ToolbarColumnTest::clicksRunTheMenuItems_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("item");
    QTest::newRow("new") << 0 << "munfilenew";
    QTest::newRow("open") << 1 << "munfileopen";
    QTest::newRow("save") << 2 << "munfilesave";
    QTest::newRow("add") << 3 << "muneditadd";
    QTest::newRow("delete") << 4 << "muneditdelete";
    QTest::newRow("move up") << 5 << "muneditgoon";
    QTest::newRow("move down") << 6 << "muneditgodown";
}

void ToolbarColumnTest::clicksRunTheMenuItems() {
    QFETCH(int, index);
    QFETCH(QString, item);
    addRows(*m_form, 2);
    // Whatever dialog a command shows is cancelled; whatever it asks is answered with Cancel.
    m_fakes->fileDialog->openAnswers.push_back({});
    m_fakes->fileDialog->saveAnswers.push_back({});
    m_fakes->messageBoxes->answers.push_back(MessageAnswer::Cancel);
    QList<QString> triggered;
    for (QAction *action : m_form->findChildren<QAction *>())
        connect(action, &QAction::triggered, this,
                [&triggered, action] { triggered << action->objectName(); });

    QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {}, at(button(index)));

    QCOMPARE(triggered, QList<QString>{item});
}

void ToolbarColumnTest::clickOnMoveUpMovesTheCurrentRow() {
    addRows(*m_form, 3);
    m_form->selectRow(2);
    m_form->saved = true;
    const QPoint over = at(button(5));
    moveTo(over);
    QCOMPARE(looks()[5], Look::Raised);

    QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {}, over);

    QCOMPARE(names(*m_form), QStringLiteral("f1 f3 f2"));
    QCOMPARE(m_form->currentRow(), 1);
    QCOMPARE(m_form->ListView1->currentIndex().row(), 1);
    QCOMPARE(m_form->saved, false);

    // The menu item does exactly the same.
    menuItem(*m_form, "muneditgoon")->trigger();
    QCOMPARE(names(*m_form), QStringLiteral("f3 f1 f2"));
    QCOMPARE(m_form->currentRow(), 0);
}

void ToolbarColumnTest::deleteOfTheLastRowsMakesRowButtonsUnavailable() {
    addRows(*m_form, 2);
    setChecks(*m_form, QStringLiteral("xx"));
    const QPoint over = at(button(4));
    moveTo(over);
    QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {}, over);

    QCOMPARE(m_form->model().rowCount(), 0);
    // An unavailable button shows no frame and takes no further clicks.
    QCOMPARE(looks()[4], Look::Flat);
    for (int i = 4; i <= 6; ++i)
        QVERIFY(button(i)->testAttribute(Qt::WA_TransparentForMouseEvents));
    moveTo(over + QPoint(1, 1));
    QCOMPARE(looks()[4], Look::Flat);
}

QTEST_MAIN(ToolbarColumnTest)
#include "tst_toolbarcolumn.moc"
