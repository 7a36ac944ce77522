#pragma once

#include "playlist/playlistentry.h"

#include <vector>

// The rows (0-based, in order) that name what an earlier row names: the same path or address, or,
// for a file or folder that is there, the same file reached by another path (a link, a second
// spelling of the path).
std::vector<int> duplicateRows(const std::vector<PlaylistEntry> &rows);
