#pragma once

#include <memory>

class QApplication;

// Start-up steps that talk to the operating system.
namespace Startup {

// With TZ unset, glibc re-reads /etc/localtime for every date conversion; naming the file once
// lets it keep the zone, which makes building thousands of rows much faster.
void pinLocalTimeZone();

// The application object, or a one-line message and exit status 1 when no display can be
// opened (instead of the toolkit's abort).
std::unique_ptr<QApplication> openDisplay(int &argc, char **argv);

// Qt's own zh_CN texts, so standard buttons read 是/否/取消/确定 like the program's messages.
void loadChineseTranslations(QApplication &app);

} // namespace Startup
