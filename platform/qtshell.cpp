#include "platform/qtshell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

// The desktop chooses and places the window of the program it starts, so the owner has no use
// here. It also reports a missing file only once the program it started fails, if at all, so a
// missing file is no success here.
bool QtShell::open(QWidget *, const QUrl &target) {
    if (target.isLocalFile() && !QFileInfo::exists(target.toLocalFile()))
        return false;
    return QDesktopServices::openUrl(target);
}
