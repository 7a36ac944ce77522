#pragma once

#include <QString>

// What a song's own tags say of it. A file without tags, or one that is no song, has empty
// texts, track 0 and length -1.
struct TrackTags {
    QString title;
    QString artist;
    QString album;
    // Tags count tracks from 1, so 0 means none.
    int track = 0;
    // Whole seconds, rounded; -1 when unknown.
    int length = -1;

    bool isEmpty() const {
        return title.isEmpty() && artist.isEmpty() && album.isEmpty() && track == 0 && length < 0;
    }
    bool operator==(const TrackTags &other) const {
        return title == other.title && artist == other.artist && album == other.album &&
               track == other.track && length == other.length;
    }
    bool operator!=(const TrackTags &other) const { return !(*this == other); }
};
