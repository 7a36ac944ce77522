#pragma once

#include <QFile>
#include <QString>

#include <array>

// The tagged test songs that the tag benchmarks copy under many names: an MP3, a FLAC and an
// Ogg Vorbis file, each under its suffix.
inline const std::array<QString, 3> SongSuffixes{QStringLiteral("mp3"), QStringLiteral("flac"),
                                                 QStringLiteral("ogg")};

inline std::array<QByteArray, 3> testSongs() {
    std::array<QByteArray, 3> songs;
    for (size_t i = 0; i < songs.size(); ++i) {
        QFile file(QStringLiteral(VANTREL_TEST_DATA "/tagged.") + SongSuffixes[i]);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(file.fileName()));
        songs[i] = file.readAll();
    }
    return songs;
}
