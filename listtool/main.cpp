#include "listtool/listcommands.h"
#include "listtool/listtooltexts.h"
#include "platform/localtimezone.h"
#include "platform/standardstreams.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringDecoder>

#include <optional>
#include <utility>

namespace {

using Command = int (*)(const QStringList &arguments);

Command commandNamed(const QString &word) {
    const std::pair<QLatin1String, Command> commands[] = {
        {QLatin1String("find"), findCommand},     {QLatin1String("convert"), convertCommand},
        {QLatin1String("check"), checkCommand},   {QLatin1String("show"), showCommand},
        {QLatin1String("export"), exportCommand},
    };
    for (const auto &[name, command] : commands) {
        if (word == name)
            return command;
    }
    return nullptr;
}

// The first argument that is not valid UTF-8, decoded with U+FFFD for what cannot be decoded.
// Qt's own arguments decode it so, and would name another file, or none.
std::optional<QString> undecodableArgument(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(QByteArrayView(argv[i]));
        if (utf8.hasError())
            return text;
    }
    return std::nullopt;
}

} // namespace

// vantrel-list: the playlist commands of the core, with no window and no display.
int main(int argc, char *argv[]) {
    StandardStreams::reserveClosedStreams();
    pinLocalTimeZone();
    if (const std::optional<QString> argument = undecodableArgument(argc, argv)) {
        StandardStreams::writeError(
            ListToolTexts::usageError(ToolName, ListToolTexts::notUtf8Argument(*argument)));
        return ExitStatus::BadUsage;
    }
    const QCoreApplication app(argc, argv);

    // Everything from the command's name on belongs to the command.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    const QStringList arguments = QCoreApplication::arguments();
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help))
        return printOutput(ListToolTexts::toolHelp().toUtf8());
    if (parser.isSet(version))
        return printOutput(ListToolTexts::versionReply().toUtf8());

    const QStringList words = parser.positionalArguments();
    QString problem = ListToolTexts::noCommand();
    if (!parsed) {
        problem = optionProblem(parser, {help, version}, arguments);
    } else if (!words.isEmpty()) {
        if (const Command command = commandNamed(words.first()))
            return command(words);
        problem = ListToolTexts::unknownCommand(words.first());
    }
    StandardStreams::writeError(ListToolTexts::usageError(ToolName, problem));
    return ExitStatus::BadUsage;
}
