#include "platform/qtprogramlauncher.h"

#include <QProcess>

bool QtProgramLauncher::start(const QString &program) {
    return !program.isEmpty() && QProcess::startDetached(program, {});
}
