#include "about/version.h"
#include "app/apptexts.h"
#include "app/frmmain.h"
#include "platform/platform.h"
#include "platform/startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    Startup::pinLocalTimeZone();
    const auto app = Startup::openDisplay(argc, argv);
    QApplication::setApplicationName(AppTexts::title());
    QApplication::setApplicationVersion(Version::text());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vantrel.png")));
    Startup::loadChineseTranslations(*app);

    Platform platform = desktopPlatform();
    frmmain window(platform);
    window.show();
    return QApplication::exec();
}
