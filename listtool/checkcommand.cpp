#include "listtool/listcommands.h"
#include "listtool/listtooltexts.h"
#include "media/filequery.h"
#include "playlist/playlistfile.h"
#include "playlist/playlisttexts.h"
#include "playlist/relocation.h"

#include <QCommandLineParser>

#include <algorithm>

namespace {

bool isMissing(const PlaylistEntry &row) {
    return row.kind == PlaylistEntry::Kind::Missing;
}

// Puts the files found under folder in the place of missing rows, as the window's 重新定位 does;
// answers whether any row changed.
bool relocate(std::vector<PlaylistEntry> &rows, const QString &folder) {
    const Relocation relocation = relocateMissing(rows, folder);
    FileQuery query;
    bool changed = false;
    for (const auto &[row, path] : relocation.found) {
        if (std::optional<PlaylistEntry> entry = relocatedRow(rows[size_t(row)], path, query)) {
            rows[size_t(row)] = std::move(*entry);
            changed = true;
        }
    }
    tell(PlaylistTexts::relocated(int(relocation.found.size()), relocation.stillMissing));
    return changed;
}

} // namespace

int checkCommand(const QStringList &arguments) {
    QCommandLineParser parser;
    const QCommandLineOption relocateOption(QStringLiteral("relocate"), QString(),
                                            QStringLiteral("folder"));
    const QCommandLineOption remove(QStringLiteral("remove"));
    if (const std::optional<int> status = readArguments(parser, arguments, {relocateOption, remove},
                                                        ListToolTexts::checkHelp(), 1))
        return *status;
    const QString list = absolutePath(parser.positionalArguments()[0]);
    Result<LoadedPlaylist> loaded = loadList(list);
    if (!loaded.ok())
        return fail(ExitStatus::BadInput, loaded.error());
    std::vector<PlaylistEntry> rows = std::move(loaded).value().rows;

    bool changed = false;
    if (parser.isSet(relocateOption)) {
        const Result<QString> folder = listableFolder(absolutePath(parser.value(relocateOption)));
        if (!folder.ok())
            return fail(ExitStatus::BadInput, folder.error());
        changed = relocate(rows, folder.value());
    }

    QByteArray missing;
    for (const PlaylistEntry &row : rows) {
        if (isMissing(row))
            missing += row.path.toUtf8() + '\n';
    }
    if (const int status = printOutput(missing); status != ExitStatus::Success)
        return status;
    if (parser.isSet(remove) && !missing.isEmpty()) {
        rows.erase(std::remove_if(rows.begin(), rows.end(), isMissing), rows.end());
        changed = true;
    }
    if (changed) {
        if (const int status = writeRows(list, rows); status != ExitStatus::Success)
            return status;
    }
    const bool stillMissing = std::any_of(rows.cbegin(), rows.cend(), isMissing);
    return stillMissing ? ExitStatus::MissingEntries : ExitStatus::Success;
}
