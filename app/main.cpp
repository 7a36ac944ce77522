#include "about/version.h"
#include "app/apptexts.h"
#include "app/commandline.h"
#include "app/frmmain.h"
#include "platform/localtimezone.h"
#include "platform/platform.h"
#include "platform/startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    pinLocalTimeZone();
    // Help and version answer without a display. Anything else is read once Qt has taken its
    // own options (-platform, -style...) out of the arguments.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const CommandLine early = readCommandLine(arguments);
        !early.reply.isEmpty() && early.exitStatus == 0)
        return printReply(early);

    const auto app = Startup::openDisplay(argc, argv);
    const CommandLine commandLine = readCommandLine(QCoreApplication::arguments());
    if (!commandLine.reply.isEmpty())
        return printReply(commandLine);
    QApplication::setApplicationName(AppTexts::title());
    QApplication::setApplicationVersion(Version::text());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vantrel.png")));
    Startup::loadChineseTranslations(*app);

    Platform platform = desktopPlatform();
    frmmain window(platform);
    window.show();
    startWith(window, commandLine);
    return QApplication::exec();
}
