#include "platform/qteventpump.h"

#include <QApplication>
#include <QCursor>

void QtEventPump::processEvents() {
    QCoreApplication::processEvents();
}

void QtEventPump::showBusyPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtEventPump::restorePointer() {
    QApplication::restoreOverrideCursor();
}
