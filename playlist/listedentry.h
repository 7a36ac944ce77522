#pragma once

#include <QString>
#include <QStringList>

// One entry as a playlist file writes it, before anything is looked up: a path (absolute or
// relative to the playlist's folder), a file:// URI or another address, and the title and the
// length in seconds (-1: unknown) that the file gives beside it.
struct ListedEntry {
    QString location;
    QString title{};
    int length = -1;
    // The other "#EXT…" lines of an M3U before the entry ("#EXTVLCOPT:…"), as written.
    QStringList directives{};
};
