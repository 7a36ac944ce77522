#include "platform/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace Startup {

namespace {

QtMessageHandler previousHandler = nullptr;

// While the application object is being built, a fatal message can only mean that the window
// system could not be reached.
void startupMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type == QtFatalMsg) {
        std::fputs("vantrel: 无法打开图形显示，请在桌面会话中启动（检查 DISPLAY 或 "
                   "WAYLAND_DISPLAY）。\n",
                   stderr);
        std::_Exit(EXIT_FAILURE);
    }
    if (!QByteArray(context.category).startsWith("qt.qpa"))
        previousHandler(type, context, text);
}

} // namespace

std::unique_ptr<QApplication> openDisplay(int &argc, char **argv) {
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    return app;
}

void loadChineseTranslations(QApplication &app) {
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace Startup
