#include "platform/qtshell.h"

#include <QDesktopServices>
#include <QUrl>

// The desktop chooses and places the window of the program it starts, so the owner has no use here.
void QtShell::open(QWidget *, const QUrl &target) {
    QDesktopServices::openUrl(target);
}
