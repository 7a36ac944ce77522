#include "platform/platform.h"
#include "platform/qtfiledialog.h"
#include "platform/qtmessageboxes.h"

Platform desktopPlatform() {
    return Platform{std::make_unique<QtFileDialog>(), std::make_unique<QtMessageBoxes>(),
                    CodePage::system()};
}
