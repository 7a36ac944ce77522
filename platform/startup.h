#pragma once

#include <memory>

class QApplication;

// Start-up steps that talk to the operating system.
namespace Startup {

// The application object, or a one-line message and exit status 1 when no display can be
// opened (instead of the toolkit's abort).
std::unique_ptr<QApplication> openDisplay(int &argc, char **argv);

// Qt's own zh_CN texts, so standard buttons read 是/否/取消/确定 like the program's messages.
void loadChineseTranslations(QApplication &app);

} // namespace Startup
