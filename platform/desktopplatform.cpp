#include "platform/platform.h"
#include "platform/qteventpump.h"
#include "platform/qtfiledialog.h"
#include "platform/qtfolderpicker.h"
#include "platform/qtmessageboxes.h"

Platform desktopPlatform() {
    return Platform{std::make_unique<QtFileDialog>(), std::make_unique<QtMessageBoxes>(),
                    CodePage::system(), std::make_unique<QtFolderPicker>(),
                    std::make_unique<QtEventPump>()};
}
