#include "platform/localtimezone.h"

#include <QFileInfo>
#include <QtGlobal>

void pinLocalTimeZone() {
    if (qEnvironmentVariableIsEmpty("TZ") && QFileInfo::exists(QStringLiteral("/etc/localtime")))
        qputenv("TZ", ":/etc/localtime");
}
