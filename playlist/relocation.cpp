#include "playlist/relocation.h"

#include "media/filequery.h"
#include "media/readingorder.h"
#include "platform/folderlisting.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <deque>
#include <tuple>

namespace {

// Lists from Windows separate folders with backslashes.
QStringList pathParts(const QString &path) {
    static const QRegularExpression separator(QStringLiteral("[/\\\\]"));
    return path.split(separator, Qt::SkipEmptyParts);
}

struct Candidate {
    QString path;
    QStringList parts;
    int depth = 0;
};

int sharedTrailingFolders(const QStringList &parts, const QStringList &otherParts) {
    int shared = 0;
    for (qsizetype i = parts.size() - 2, j = otherParts.size() - 2;
         i >= 0 && j >= 0 && parts[i].compare(otherParts[j], Qt::CaseInsensitive) == 0; --i, --j)
        ++shared;
    return shared;
}

// Every file under root whose case-folded name is a key of found, breadth first; false when
// carryOn stopped the walk.
bool collectCandidates(const QString &root, QHash<QString, std::vector<Candidate>> &found,
                       const CarryOn &carryOn) {
    std::deque<std::pair<QString, int>> folders{{root, 0}};
    int examined = 0;
    while (!folders.empty()) {
        const auto [folder, depth] = folders.front();
        folders.pop_front();
        const std::optional<FolderListing> listing = FolderListing::read(folder);
        if (!listing)
            continue;
        const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
        for (const QString &name : listing->files) {
            const auto wanted = found.find(name.toCaseFolded());
            if (wanted != found.end())
                wanted->push_back({prefix + name, pathParts(prefix + name), depth});
            if (carryOn && !carryOn(++examined))
                return false;
        }
        for (const QString &subfolder : listing->subfolders)
            folders.emplace_back(prefix + subfolder, depth + 1);
    }
    return true;
}

} // namespace

Relocation relocateMissing(const std::vector<PlaylistEntry> &rows, const QString &folder,
                           const CarryOn &carryOn) {
    QHash<QString, std::vector<Candidate>> candidates;
    for (const PlaylistEntry &row : rows) {
        if (row.kind == PlaylistEntry::Kind::Missing && !pathParts(row.path).isEmpty())
            candidates.insert(pathParts(row.path).last().toCaseFolded(), {});
    }
    Relocation relocation;
    const ReadingOrder order;
    if (!candidates.isEmpty())
        relocation.stopped = !collectCandidates(folder, candidates, carryOn);
    for (size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].kind != PlaylistEntry::Kind::Missing)
            continue;
        const QStringList parts = pathParts(rows[row].path);
        const auto found =
            parts.isEmpty() ? candidates.cend() : candidates.constFind(parts.last().toCaseFolded());
        if (found == candidates.cend() || found->empty()) {
            ++relocation.stillMissing;
            continue;
        }
        const auto rank = [&parts](const Candidate &candidate) {
            return std::make_tuple(-sharedTrailingFolders(parts, candidate.parts),
                                   candidate.parts.last() != parts.last(), candidate.depth);
        };
        const auto nearest = std::min_element(
            found->cbegin(), found->cend(), [&](const Candidate &a, const Candidate &b) {
                return rank(a) != rank(b) ? rank(a) < rank(b) : order.lessThan(a.path, b.path);
            });
        relocation.found.emplace_back(int(row), nearest->path);
    }
    return relocation;
}

std::optional<PlaylistEntry> relocatedRow(const PlaylistEntry &missing, const QString &found,
                                          FileQuery &query) {
    std::optional<PlaylistEntry> row = query.entryFor(found);
    if (!row)
        return std::nullopt;
    row->checked = missing.checked;
    row->title = missing.title;
    row->length = missing.length;
    row->relative = missing.relative;
    return row;
}
