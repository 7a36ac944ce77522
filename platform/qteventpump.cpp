#include "platform/qteventpump.h"

#include <QApplication>
#include <QCursor>

namespace {

// About 30 frames a second.
constexpr qint64 FrameMilliseconds = 33;

} // namespace

bool QtEventPump::passDue() {
    return !m_sinceLastPass.isValid() || m_sinceLastPass.hasExpired(FrameMilliseconds);
}

void QtEventPump::processEvents() {
    QCoreApplication::processEvents();
    // Counted from the end of the pass, so that a slow repaint still leaves the command a frame
    // of its own.
    m_sinceLastPass.start();
}

void QtEventPump::showBusyPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtEventPump::restorePointer() {
    QApplication::restoreOverrideCursor();
}
