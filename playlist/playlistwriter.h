#pragma once

#include "playlist/entrylocations.h"
#include "playlist/playlistentry.h"
#include "playlist/result.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Every row, in order, in the format that the target's extension selects: lines ended by CR LF,
// no byte-order mark, text in the options' character set (UTF-8 for .m3u8, ASX and XSPF).
//
// A row is written as the file gave it: an address as it stands, an entry that was relative
// relative to the target's folder, a title and a length in every format that holds them (from
// the file's tags where the options ask for them and the list gave none), the other "#EXT…"
// lines of an M3U after its "#EXTINF" line in M3U and M3U8. Every path reads back as itself
// (EntryLocations says how); texts go as listText() makes them. A row without a title, a length
// or a relative origin, and with an ordinary path, is written exactly as it always was.
//
// Refused with a message naming the target: an extension that selects no format, a path with a
// line break, a character the character set cannot hold.
Result<QByteArray> encodePlaylist(const QString &target, const std::vector<PlaylistEntry> &rows,
                                  const WriteOptions &options = {});

// The text of each format, as the format table calls them.
using Songs = std::vector<TrackTags>;
QString plsText(const std::vector<PlaylistEntry> &rows, const Songs &songs,
                const EntryLocations &locations);
QString m3uText(const std::vector<PlaylistEntry> &rows, const Songs &songs,
                const EntryLocations &locations);
QString ramText(const std::vector<PlaylistEntry> &rows, const Songs &songs,
                const EntryLocations &locations);
QString asxText(const std::vector<PlaylistEntry> &rows, const Songs &songs,
                const EntryLocations &locations);
QString xspfText(const std::vector<PlaylistEntry> &rows, const Songs &songs,
                 const EntryLocations &locations);
