#include "playlist/duplicates.h"

#include "platform/fileidentity.h"

#include <QHash>
#include <QSet>

std::vector<int> duplicateRows(const std::vector<PlaylistEntry> &rows) {
    QSet<QString> paths;
    QSet<FileIdentity> files;
    std::vector<int> duplicates;
    for (size_t row = 0; row < rows.size(); ++row) {
        const PlaylistEntry &entry = rows[row];
        bool seen = paths.contains(entry.path);
        paths.insert(entry.path);
        const bool there =
            entry.kind == PlaylistEntry::Kind::File || entry.kind == PlaylistEntry::Kind::Folder;
        if (!seen && there) {
            if (const std::optional<FileIdentity> identity = FileIdentity::of(entry.path)) {
                seen = files.contains(*identity);
                files.insert(*identity);
            }
        }
        if (seen)
            duplicates.push_back(int(row));
    }
    return duplicates;
}
