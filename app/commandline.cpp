#include "app/commandline.h"

#include "app/apptexts.h"
#include "playlist/opencommand.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

CommandLine readCommandLine(const QStringList &arguments) {
    QCommandLineParser parser;
    // "-style" as Qt writes its own options, not as five one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    const bool parsed = parser.parse(arguments);

    if (parser.isSet(help))
        return {AppTexts::commandLineHelp(), 0, {}};
    if (parser.isSet(version))
        return {AppTexts::versionReply(), 0, {}};
    if (!parsed)
        return {AppTexts::unknownOptions(parser.unknownOptionNames()), 2, {}};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return {AppTexts::severalFiles(), 2, {}};
    if (files.isEmpty() || files.first().isEmpty())
        return {};
    return {{}, 0, QDir::cleanPath(QFileInfo(files.first()).absoluteFilePath())};
}

int printReply(const CommandLine &commandLine) {
    std::fputs(commandLine.reply.toLocal8Bit().constData(),
               commandLine.exitStatus == 0 ? stdout : stderr);
    return commandLine.exitStatus;
}

void startWith(frmmain &window, const CommandLine &commandLine) {
    if (!commandLine.file.isEmpty())
        openPlaylist(window, commandLine.file);
}
