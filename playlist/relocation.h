#pragma once

#include "playlist/playlistentry.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class FileQuery;

// Where the missing entries of a list were found.
struct Relocation {
    // Each missing row (0-based) that was found, with the path of the file that takes its place.
    std::vector<std::pair<int, QString>> found;
    int stillMissing = 0;
    // The walk was stopped before it had seen the whole tree; what it found is in found.
    bool stopped = false;
};

// Asked after each file a long walk examines, with the count so far: whether it goes on.
using CarryOn = std::function<bool(int examined)>;

// Looks for the file name of every missing row in folder and the folders below it (links to
// folders are not followed). Names compare without regard to case, as lists made on Windows
// write them. Where several files qualify the nearest wins: the one whose folders share the
// most trailing names with the missing path's, then one whose name has the same case, then the
// shallowest, then the first in reading order.
Relocation relocateMissing(const std::vector<PlaylistEntry> &rows, const QString &folder,
                           const CarryOn &carryOn = {});

// The row that takes the place of a missing row: the found file's own row, with what the list
// gave the entry (check mark, title, length, relative origin); nothing when the file is gone.
std::optional<PlaylistEntry> relocatedRow(const PlaylistEntry &missing, const QString &found,
                                          FileQuery &query);
