#pragma once

#include "media/tracktags.h"

#include <QList>
#include <QStringList>

// The tags of the file at path, read through TagLib. A path that names no regular file, and a
// file whose tags cannot be read, give empty tags: no song is worth a message of its own.
TrackTags readTrackTags(const QString &path);

// The same for a path already known to name a regular file.
TrackTags readTrackTagsOfFile(const QString &path);

// The tags of every path, in their order, read on every core; returns when all are read.
QList<TrackTags> readTrackTagsOfAll(const QStringList &paths);
