#pragma once

#include "playlist/listedentry.h"
#include "playlist/playlistformat.h"
#include "playlist/result.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The text of a playlist file: by its byte-order mark (UTF-8, UTF-16 or UTF-32; the mark is
// removed) where it has one; else UTF-8 when the bytes are valid UTF-8 or utf8Only is set; else
// GB18030, so lists written on Chinese Windows systems open.
QString decodePlaylistText(const QByteArray &bytes, bool utf8Only);

// The entries of one playlist text in file order, as written, at most as many as the table
// holds. Entries that name nothing (a blank line, a missing FileN key) are skipped. Fails as a
// whole only for a text that is not of its format or holds too many entries; list names the
// playlist file in messages.
//
// PLS: "[playlist]" (any case) as the first line, then FileN, TitleN and LengthN for N up to
// NumberOfEntries, or up to the last FileN where the count is missing. M3U: every line that is not
// empty and does not start with "#", with the length and title of an "#EXTINF:" line before it.
// RAM: every line that is not empty. ASX: the first reference and the title of each Entry, tags and
// attributes in any case. XSPF: the location, title and duration of each track; a relative location
// is percent-decoded.
Result<std::vector<ListedEntry>> readPlaylistEntries(PlaylistFormat format, const QString &text,
                                                     const QString &list);
