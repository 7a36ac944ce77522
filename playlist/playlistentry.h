#pragma once

#include <QDateTime>
#include <QString>

// The table holds at most this many rows: row positions and counters are 16-bit signed numbers
// in the program's rules, and every command that adds rows stops at this bound.
inline constexpr int MaxRows = 32767;

// One row of the playlist table: five text cells and the row's check mark. What a row carries
// beyond them goes after `checked`, with a default, so that rows built from their cells alone
// keep working.
struct PlaylistEntry {
    QString name;
    QString size;
    QString path;
    QString type;
    QString created;
    bool checked = false;
    // The time the created cell shows, kept so that rows sort by time rather than by text.
    QDateTime createdTime = {};
};
