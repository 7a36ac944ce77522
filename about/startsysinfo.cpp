#include "about/startsysinfo.h"

#include "about/getkeyvalue.h"
#include "app/apptexts.h"
#include "platform/platform.h"

#include <QFileInfo>

namespace {

// The tool's path: the first key names it; only where that key is missing does the second name
// its folder. Empty when neither does.
QString systemInfoTool(const Registry &registry) {
    QString path;
    if (GetKeyValue(registry, RegistryRoot::LocalMachine, QLatin1String(SystemInfoKeys::ToolKey),
                    QLatin1String(SystemInfoKeys::ToolValue), path))
        return path;
    QString folder;
    if (!GetKeyValue(registry, RegistryRoot::LocalMachine, QLatin1String(SystemInfoKeys::FolderKey),
                     QLatin1String(SystemInfoKeys::FolderValue), folder))
        return {};
    const QString tool = folder + QLatin1Char('/') + QLatin1String(SystemInfoKeys::ToolFileName);
    return QFileInfo(tool).isFile() ? tool : QString();
}

} // namespace

void StartSysInfo(QWidget *owner, Platform &platform) {
    const QString tool = systemInfoTool(*platform.registry);
    if (!tool.isEmpty() && platform.programs->start(tool))
        return;
    platform.messageBoxes->showMessage(owner, QStringLiteral("此时系统信息不可用"),
                                       AppTexts::title(), MessageIcon::None);
}
