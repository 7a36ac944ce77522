#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The table holds at most this many rows: row positions and counters are 16-bit signed numbers
// in the program's rules, and every command that adds rows stops at this bound.
inline constexpr int MaxRows = 32767;

// One row of the playlist table: five text cells and the row's check mark. What a row carries
// beyond them goes after `checked`, with a default, so that rows built from their cells alone
// keep working.
struct PlaylistEntry {
    // What the entry names. A missing file keeps its row (name and path only) so that the list
    // loses nothing and can be repaired; an address is kept as written.
    enum class Kind { File, Missing, Folder, Address };

    QString name;
    QString size;
    QString path;
    QString type;
    QString created;
    bool checked = false;
    Kind kind = Kind::File;
    // The title and the length in seconds (-1: unknown) that the playlist file gave the entry.
    QString title{};
    int length = -1;
    // The playlist file named the entry relative to its own folder; path still holds the
    // absolute path, and a save writes it relative again where it can.
    bool relative = false;
    // The time the created cell shows, kept so that rows sort by time rather than by text.
    QDateTime createdTime = {};
    // The other "#EXT…" lines an M3U gave the entry, written back after its "#EXTINF" line.
    QStringList directives{};

    bool isLocal() const { return kind != Kind::Address; }
};
