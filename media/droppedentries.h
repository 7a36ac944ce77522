#pragma once

#include "playlist/playlistentry.h"
#include "playlist/relocation.h"

#include <QSet>
#include <QStringList>

#include <vector>

// The rows that a drop of files and folders adds, in the order they were dropped: a file as
// itself, a playlist file as its entries, a folder as its audio and video files (known by their
// type), subfolders included, each folder's files before its subfolders and both in reading
// order. Hidden names, links to folders and playlists inside folders are left out; so is every
// path already listed or met before in the same drop.
struct DroppedEntries {
    std::vector<PlaylistEntry> rows;
    // Why the first playlist file that could not be read added nothing.
    QString failure;
    // The drop holds more new rows than there is room for; the walk stopped there.
    bool overflow = false;
    // carryOn stopped the walk; rows holds what it had collected.
    bool stopped = false;
};

// carryOn is asked after each file a dropped folder holds.
DroppedEntries collectDroppedEntries(const QStringList &paths, QSet<QString> listed, int room,
                                     const CarryOn &carryOn = {});
