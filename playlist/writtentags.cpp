#include "playlist/writtentags.h"

TrackTags writtenTags(const PlaylistEntry &row, const TagsOf &tagsOf) {
    TrackTags written;
    written.title = row.title;
    written.length = row.length;
    if (!tagsOf || (!row.title.isEmpty() && row.length >= 0))
        return written;
    const TrackTags file = tagsOf(row);
    if (row.title.isEmpty())
        written = file;
    written.length = row.length >= 0 ? row.length : file.length;
    return written;
}

QString singleTitle(const TrackTags &tags) {
    if (tags.artist.isEmpty() || tags.title.isEmpty())
        return tags.title;
    return tags.artist + QStringLiteral(" - ") + tags.title;
}
