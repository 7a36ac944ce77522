#pragma once

#include "playlist/listedentry.h"
#include "playlist/playlistformat.h"
#include "playlist/result.h"

#include <QString>

#include <vector>

// The format a playlist file is read in: the one its text clearly says where that is another
// than its extension's ("[playlist]", "#EXTM3U" or "[Reference]" with RefN keys as the first
// line that is not blank; "<asx" or an XML "<playlist" as the first element), else its
// extension's; nothing when neither says one.
const FormatInfo *formatToRead(const QString &text, const QString &path);

// The entries of one playlist text in file order, as written, at most as many as the table
// holds. Entries that name nothing (a blank line, an empty FileN key) are skipped. Fails as a
// whole only for a text that is not of its format or holds too many entries; list names the
// playlist file in messages.
Result<std::vector<ListedEntry>> readPlaylistEntries(PlaylistFormat format, const QString &text,
                                                     const QString &list);

// PLS: "[playlist]" (any case) as the first line that is not blank, then every FileN, with its
// TitleN and LengthN, in the order of N; NumberOfEntries is not needed.
Result<std::vector<ListedEntry>> readPlsEntries(const QString &text);
// M3U: every line that is not empty and does not start with "#", with the length and title of
// an "#EXTINF:" line before it (the title after the first comma outside double quotes) and the
// other "#EXT" lines before it but the header.
Result<std::vector<ListedEntry>> readM3uEntries(const QString &text);
// RAM: every line that is not empty and does not start with "#", up to a line "--stop--".
Result<std::vector<ListedEntry>> readRamEntries(const QString &text);
// "[Reference]", then every RefN in the order of N.
Result<std::vector<ListedEntry>> readReferenceEntries(const QString &text);
