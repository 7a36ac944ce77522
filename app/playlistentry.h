#pragma once

#include <QString>

// One row of the playlist table: five text cells and the row's check mark.
struct PlaylistEntry {
    QString name;
    QString size;
    QString path;
    QString type;
    QString created;
    bool checked = false;
};
