#pragma once

#include "media/tracktags.h"
#include "playlist/playlistentry.h"

#include <QString>

#include <functional>

// The tags of a row's file as whoever writes the list has read them; empty when not known.
using TagsOf = std::function<TrackTags(const PlaylistEntry &row)>;

// What a list says of a row's song: the title and the length that its list gave it, each where
// it gave one, else the tags' (none when tagsOf is empty). Artist, album and track come only
// with the tags' title: a title from another player's list often names the artist already.
TrackTags writtenTags(const PlaylistEntry &row, const TagsOf &tagsOf);

// The one title of formats that have no field for the artist: "artist - title" where both are
// known.
QString singleTitle(const TrackTags &tags);
