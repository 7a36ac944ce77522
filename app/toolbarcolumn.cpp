#include "app/toolbarcolumn.h"

#include "app/apptexts.h"
#include "app/lineshape.h"
#include "app/picturebutton.h"

#include <QAction>
#include <QMouseEvent>

namespace {

// Sizes at 96 dots per inch, relative to the column's top-left corner.
constexpr int ButtonLeft = 4;
constexpr int ButtonTop = 4;
constexpr int ButtonPitch = 28;
constexpr int ButtonSize = 21;
constexpr QRect SeparatorGeometry(0, 84, 28, 2);

const char *const PictureNames[ToolbarColumn::ButtonCount] = {"new",    "open",   "save",    "add",
                                                              "delete", "moveup", "movedown"};

} // namespace

ToolbarColumn::ToolbarColumn(const std::array<QAction *, ButtonCount> &actions, QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("toolbarColumn"));
    setMouseTracking(true);
    parent->setMouseTracking(true);
    parent->installEventFilter(this);

    for (int button = 0; button < ButtonCount; ++button)
        createButton(button, actions[size_t(button)]);

    auto *separator = new LineShape(QPalette::WindowText, this);
    separator->setObjectName(QStringLiteral("Line5"));
    separator->setGeometry(SeparatorGeometry);

    flattenAll();
}

void ToolbarColumn::setRowCommandsAvailable(bool deletable, bool movable) {
    for (int button = FirstRowCommand; button < ButtonCount; ++button) {
        const bool available = button == FirstRowCommand ? deletable : movable;
        m_buttons[size_t(button)]->setAvailable(available);
        // An unavailable button shows no frame.
        if (!available)
            setLook(button, FrameLook::Flat);
    }
}

void ToolbarColumn::flattenAll() {
    for (int button = 0; button < ButtonCount; ++button)
        setLook(button, FrameLook::Flat);
}

bool ToolbarColumn::eventFilter(QObject *watched, QEvent *event) {
    // The table and the column take their own moves, so what reaches the parent is a move over
    // its background.
    if (watched == parent() && event->type() == QEvent::MouseMove)
        flattenAll();
    return QWidget::eventFilter(watched, event);
}

void ToolbarColumn::mouseMoveEvent(QMouseEvent *event) {
    // The column's gaps, and the unavailable buttons that let the mouse through, are
    // background too.
    flattenAll();
    event->accept();
}

void ToolbarColumn::createButton(int button, QAction *action) {
    const QPixmap picture(
        QStringLiteral(":/icons/%1.png").arg(QLatin1String(PictureNames[button])));
    auto *picturebutton = new PictureButton(picture, this);
    picturebutton->setObjectName(QStringLiteral("Image1_%1").arg(button));
    picturebutton->setAccessibleName(action->text());
    picturebutton->setToolTip(AppTexts::buttonTip(action->text(), action->shortcut()));
    const int top = ButtonTop + ButtonPitch * button;
    picturebutton->setGeometry(ButtonLeft, top, ButtonSize, ButtonSize);
    m_buttons[size_t(button)] = picturebutton;

    connect(picturebutton, &PictureButton::hovered, this,
            [this, button] { setLook(button, FrameLook::Raised); });
    connect(picturebutton, &PictureButton::pressed, this,
            [this, button] { setLook(button, FrameLook::Pressed); });
    connect(picturebutton, &PictureButton::clicked, action, &QAction::trigger);

    // The frame runs round the picture's outermost pixels and is drawn over them.
    const auto line = [this, button](int number, int x, int y, int width, int height) {
        auto *shape = new LineShape(QPalette::Window, this);
        shape->setObjectName(QStringLiteral("Line%1_%2").arg(number).arg(button));
        shape->setGeometry(x, y, width, height);
        return shape;
    };
    const int left = ButtonLeft;
    const int right = ButtonLeft + ButtonSize - 1;
    const int bottom = top + ButtonSize - 1;
    Frame &frame = m_frames[size_t(button)];
    frame.top = line(1, left, top, ButtonSize - 1, 1);
    frame.left = line(2, left, top + 1, 1, ButtonSize - 1);
    frame.bottom = line(3, left + 1, bottom, ButtonSize - 1, 1);
    frame.right = line(4, right, top, 1, ButtonSize - 1);
}

void ToolbarColumn::setLook(int button, FrameLook look) {
    // Flat lines take the window's background colour (the button face), so they vanish.
    QColor topLeft;
    QColor bottomRight;
    if (look == FrameLook::Raised) {
        topLeft = Qt::white;
        bottomRight = Qt::black;
    } else if (look == FrameLook::Pressed) {
        topLeft = Qt::black;
        bottomRight = Qt::white;
    }
    const Frame &frame = m_frames[size_t(button)];
    frame.top->setColor(topLeft);
    frame.left->setColor(topLeft);
    frame.bottom->setColor(bottomRight);
    frame.right->setColor(bottomRight);
}
