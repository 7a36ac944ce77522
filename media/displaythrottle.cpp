#include "media/displaythrottle.h"

#include <QAbstractItemView>
#include <QEvent>

namespace {

// About 30 frames a second: smooth enough for progress, while each frame's repaint of the
// table is time the command would rather spend on its work.
constexpr qint64 FrameMilliseconds = 33;

} // namespace

DisplayThrottle::DisplayThrottle(const QList<QWidget *> &widgets, QAbstractItemView *view)
    : m_view(view) {
    for (QWidget *widget : widgets)
        m_widgets << widget;
    if (m_view)
        m_view->installEventFilter(this);
    setDrawing(false);
    m_frameClock.start();
}

DisplayThrottle::~DisplayThrottle() {
    if (m_view)
        m_view->removeEventFilter(this);
    setDrawing(true);
}

void DisplayThrottle::beforePump() {
    const bool frameDue = m_frameClock.elapsed() >= FrameMilliseconds;
    if (frameDue)
        m_frameClock.restart();
    setDrawing(frameDue);
}

bool DisplayThrottle::eventFilter(QObject *watched, QEvent *event) {
    // The view's timers repeat until handled, so holding one back only delays it.
    if (!m_drawing && watched == m_view && event->type() == QEvent::Timer)
        return true;
    return QObject::eventFilter(watched, event);
}

void DisplayThrottle::setDrawing(bool drawing) {
    if (drawing == m_drawing)
        return;
    m_drawing = drawing;
    for (const QPointer<QWidget> &widget : std::as_const(m_widgets)) {
        if (widget)
            widget->setUpdatesEnabled(drawing);
    }
}
