#include "listtool/listcommands.h"
#include "listtool/listtooltexts.h"
#include "playlist/playlistfile.h"

#include <QCommandLineParser>

int convertCommand(const QStringList &arguments) {
    QCommandLineParser parser;
    const QCommandLineOption relative(QStringLiteral("relative"));
    const QCommandLineOption absolute(QStringLiteral("absolute"));
    const QCommandLineOption tags(QStringLiteral("tags"));
    if (const std::optional<int> status = readArguments(
            parser, arguments, {relative, absolute, tags}, ListToolTexts::convertHelp(), 2))
        return *status;
    if (parser.isSet(relative) && parser.isSet(absolute))
        return fail(ExitStatus::BadUsage, ListToolTexts::relativeAndAbsolute());
    const QStringList files = parser.positionalArguments();
    const QString target = files[1] == StandardOutput ? StandardOutput : absolutePath(files[1]);
    if (const std::optional<int> status = refuseUnknownFormat(target))
        return *status;

    Result<LoadedPlaylist> loaded = loadList(files[0]);
    if (!loaded.ok())
        return fail(ExitStatus::BadInput, loaded.error());
    WriteOptions options;
    if (parser.isSet(relative))
        options.relative = WriteOptions::Relative::Always;
    else if (parser.isSet(absolute))
        options.relative = WriteOptions::Relative::Never;
    if (parser.isSet(tags))
        options.tagsOf = tagsOfFiles(loaded.value().rows);
    return writeRows(target, loaded.value().rows, options);
}
