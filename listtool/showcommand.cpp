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

QByteArray tabSeparated(const std::vector<PlaylistEntry> &rows) {
    QString text;
    for (const PlaylistEntry &row : rows) {
        const std::optional<bool> there = exists(row);
        text += field(row.path) + u'\t' + field(row.title) + u'\t' +
                (row.length >= 0 ? QString::number(row.length) : QString()) + u'\t' +
                (there ? QString::number(int(*there)) : QString()) + u'\n';
    }
    return text.toUtf8();
}

QByteArray json(const std::vector<PlaylistEntry> &rows) {
    QJsonArray entries;
    for (const PlaylistEntry &row : rows) {
        const std::optional<bool> there = exists(row);
        entries.append(QJsonObject{
            {QStringLiteral("path"), row.path},
            {QStringLiteral("title"), row.title},
            {QStringLiteral("length"), row.length >= 0 ? QJsonValue(row.length) : QJsonValue()},
            {QStringLiteral("exists"), there ? QJsonValue(*there) : QJsonValue()},
        });
    }
    return QJsonDocument(entries).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

int showCommand(const QStringList &arguments) {
    QCommandLineParser parser;
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    if (const std::optional<int> status =
            readArguments(parser, arguments, {jsonOption}, ListToolTexts::showHelp(), 1))
        return *status;
    const Result<LoadedPlaylist> loaded = loadList(parser.positionalArguments()[0]);
    if (!loaded.ok())
        return fail(ExitStatus::BadInput, loaded.error());
    const std::vector<PlaylistEntry> &rows = loaded.value().rows;
    return printOutput(parser.isSet(jsonOption) ? json(rows) : tabSeparated(rows));
}
