#include "about/startsysinfo.h"

#include "about/abouttexts.h"
#include "about/getkeyvalue.h"
#include "app/apptexts.h"
#include "platform/platform.h"

void StartSysInfo(QWidget *owner, Platform &platform) {
    QString tool;
    if (GetKeyValue(*platform.registry, QLatin1String(SystemInfoKeys::ToolKey),
                    QLatin1String(SystemInfoKeys::ToolValue), tool) &&
        platform.programs->start(tool))
        return;
    platform.messageBoxes->showMessage(owner, AboutTexts::noSystemInfo(), AppTexts::title(),
                                       MessageIcon::None);
}
