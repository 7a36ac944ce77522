#include "playlist/playlistformat.h"

#include "playlist/playlistreader.h"
#include "playlist/playlistwriter.h"
#include "playlist/xmlplaylistreader.h"

#include <algorithm>

const std::vector<FormatInfo> &playlistFormats() {
    // The three formats of the described dialogs come first, so that their filter entries keep
    // their places.
    static const std::vector<FormatInfo> formats{
        {PlaylistFormat::Pls,
         QStringLiteral("Pls文件"),
         {QStringLiteral("pls")},
         false,
         readPlsEntries,
         plsText},
        {PlaylistFormat::M3u,
         QStringLiteral("M3u文件"),
         {QStringLiteral("m3u")},
         false,
         readM3uEntries,
         m3uText},
        {PlaylistFormat::Ram,
         QStringLiteral("Ram文件"),
         {QStringLiteral("ram")},
         false,
         readRamEntries,
         ramText},
        {PlaylistFormat::M3u8,
         QStringLiteral("M3u8文件"),
         {QStringLiteral("m3u8")},
         true,
         readM3uEntries,
         m3uText},
        {PlaylistFormat::Xspf,
         QStringLiteral("Xspf文件"),
         {QStringLiteral("xspf")},
         true,
         readXspfEntries,
         xspfText},
        {PlaylistFormat::Asx,
         QStringLiteral("Asx文件"),
         {QStringLiteral("asx"), QStringLiteral("wax"), QStringLiteral("wvx")},
         true,
         readAsxEntries,
         asxText},
        {PlaylistFormat::Reference, {}, {}, true, readReferenceEntries, nullptr},
    };
    return formats;
}

const FormatInfo &formatInfo(PlaylistFormat format) {
    const std::vector<FormatInfo> &formats = playlistFormats();
    return *std::find_if(formats.cbegin(), formats.cend(),
                         [format](const FormatInfo &info) { return info.format == format; });
}

QString extensionOf(const QString &path) {
    return path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLower();
}

const FormatInfo *formatOf(const QString &path) {
    const QString extension = extensionOf(path);
    for (const FormatInfo &info : playlistFormats()) {
        if (info.extensions.contains(extension))
            return &info;
    }
    return nullptr;
}

QString extensionList() {
    QStringList extensions;
    for (const FormatInfo &info : playlistFormats()) {
        for (const QString &extension : info.extensions)
            extensions << QLatin1Char('.') + extension;
    }
    const QString last = extensions.takeLast();
    return extensions.join(QStringLiteral("、")) + QStringLiteral(" 或 ") + last;
}
