#include "playlist/playlistformat.h"

QString extensionOf(const QString &path) {
    return path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLower();
}

std::optional<PlaylistFormat> formatOf(const QString &path) {
    const QString extension = extensionOf(path);
    if (extension == QLatin1String("pls"))
        return PlaylistFormat::Pls;
    if (extension == QLatin1String("m3u"))
        return PlaylistFormat::M3u;
    if (extension == QLatin1String("m3u8"))
        return PlaylistFormat::M3u8;
    if (extension == QLatin1String("ram"))
        return PlaylistFormat::Ram;
    if (extension == QLatin1String("asx"))
        return PlaylistFormat::Asx;
    if (extension == QLatin1String("xspf"))
        return PlaylistFormat::Xspf;
    return std::nullopt;
}

bool isAlwaysUtf8(PlaylistFormat format) {
    return format == PlaylistFormat::M3u8 || format == PlaylistFormat::Asx ||
           format == PlaylistFormat::Xspf;
}
