#include "platform/platform.h"
#include "platform/qteventpump.h"
#include "platform/qtfiledialog.h"
#include "platform/qtfolderpicker.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtprogramlauncher.h"
#include "platform/qtsettings.h"
#include "platform/qtshell.h"
#include "platform/standinregistry.h"

Platform desktopPlatform() {
    return Platform{std::make_unique<QtFileDialog>(),      std::make_unique<QtMessageBoxes>(),
                    std::make_unique<QtShell>(),           std::make_unique<StandInRegistry>(),
                    std::make_unique<QtProgramLauncher>(), std::make_unique<QtFolderPicker>(),
                    std::make_unique<QtEventPump>(),       std::make_unique<QtSettings>()};
}
