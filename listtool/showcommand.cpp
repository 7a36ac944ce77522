#include "listtool/listcommands.h"
#include "listtool/listtooltexts.h"
#include "playlist/playlistfile.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

// Whether the entry's file or folder is there; nothing for an address, which is not looked up.
std::optional<bool> exists(const PlaylistEntry &row) {
    if (row.kind == PlaylistEntry::Kind::Address)
        return std::nullopt;
    return row.kind != PlaylistEntry::Kind::Missing;
}

// One field of a tab-separated line: its tabs and line breaks would split the line.
QString field(const QString &text) {
    static const QRegularExpression separators(QStringLiteral("[\t\r\n]"));
    return QString(text).replace(separators, QStringLiteral(" "));
}

// What is shown of a row: the list's title and length, each where it gives one, else, with
// --tags, the file's; and then the file's tags.
struct Shown {
    QString title;
    int length;
    std::optional<TrackTags> tags;
};

Shown shown(const PlaylistEntry &row, const TagsOf &tagsOf) {
    if (!tagsOf)
        return {row.title, row.length, std::nullopt};
    const TrackTags tags = tagsOf(row);
    return {row.title.isEmpty() ? tags.title : row.title,
            row.length >= 0 ? row.length : tags.length, tags};
}

QString numberOrNothing(int number, int unknown) {
    return number != unknown ? QString::number(number) : QString();
}

QJsonValue numberOrNull(int number, int unknown) {
    return number != unknown ? QJsonValue(number) : QJsonValue();
}

QJsonValue textOrNull(const QString &text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QByteArray tabSeparated(const std::vector<PlaylistEntry> &rows, const TagsOf &tagsOf) {
    QString text;
    for (const PlaylistEntry &row : rows) {
        const std::optional<bool> there = exists(row);
        const Shown song = shown(row, tagsOf);
        text += field(row.path) + u'\t' + field(song.title) + u'\t' +
                numberOrNothing(song.length, -1) + u'\t' +
                (there ? QString::number(int(*there)) : QString());
        if (song.tags)
            text += u'\t' + field(song.tags->artist) + u'\t' + field(song.tags->album) + u'\t' +
                    numberOrNothing(song.tags->track, 0);
        text += u'\n';
    }
    return text.toUtf8();
}

QByteArray json(const std::vector<PlaylistEntry> &rows, const TagsOf &tagsOf) {
    QJsonArray entries;
    for (const PlaylistEntry &row : rows) {
        const std::optional<bool> there = exists(row);
        const Shown song = shown(row, tagsOf);
        QJsonObject entry{
            {QStringLiteral("path"), row.path},
            {QStringLiteral("title"), song.title},
            {QStringLiteral("length"), numberOrNull(song.length, -1)},
            {QStringLiteral("exists"), there ? QJsonValue(*there) : QJsonValue()},
        };
        if (song.tags) {
            entry.insert(QStringLiteral("artist"), textOrNull(song.tags->artist));
            entry.insert(QStringLiteral("album"), textOrNull(song.tags->album));
            entry.insert(QStringLiteral("track"), numberOrNull(song.tags->track, 0));
        }
        entries.append(entry);
    }
    return QJsonDocument(entries).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

int showCommand(const QStringList &arguments) {
    QCommandLineParser parser;
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    const QCommandLineOption tags(QStringLiteral("tags"));
    if (const std::optional<int> status =
            readArguments(parser, arguments, {jsonOption, tags}, ListToolTexts::showHelp(), 1))
        return *status;
    const Result<LoadedPlaylist> loaded = loadList(parser.positionalArguments()[0]);
    if (!loaded.ok())
        return fail(ExitStatus::BadInput, loaded.error());
    const std::vector<PlaylistEntry> &rows = loaded.value().rows;
    const TagsOf tagsOf = parser.isSet(tags) ? tagsOfFiles(rows) : TagsOf();
    return printOutput(parser.isSet(jsonOption) ? json(rows, tagsOf) : tabSeparated(rows, tagsOf));
}
