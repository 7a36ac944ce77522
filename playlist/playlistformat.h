#pragma once

#include "media/tracktags.h"
#include "playlist/listedentry.h"
#include "playlist/playlistentry.h"
#include "playlist/result.h"

#include <QString>
#include <QStringList>

#include <vector>

class EntryLocations;

// The playlist formats Vantrel reads, most of them also written.
enum class PlaylistFormat {
    Pls,
    M3u,
    // M3U under its own extension: always UTF-8, whatever the system's character set.
    M3u8,
    Ram,
    Asx,
    // An INI file of stream addresses ("[Reference]", "Ref1=…") that servers hand out as .asx.
    Reference,
    Xspf,
};

// The entries of a playlist text of one format, in file order, as written; or why the text is
// no playlist of that format.
using FormatReader = Result<std::vector<ListedEntry>> (*)(const QString &text);
// The whole text of a playlist of one format, every row in order, lines ended by CR LF; songs
// holds what each row says of its song (writtenTags).
using FormatWriter = QString (*)(const std::vector<PlaylistEntry> &rows,
                                 const std::vector<TrackTags> &songs,
                                 const EntryLocations &locations);

// One format as every command sees it: Open, Save, the dialogs' filters, drops and vantrel-list
// all read this table.
struct FormatInfo {
    PlaylistFormat format;
    // The name in the dialogs' filters ("Pls文件").
    QString filterName;
    // In lower case, without the dot; the first one is what the save dialog adds to a bare name.
    // A format known only by its content has none.
    QStringList extensions;
    // The text is UTF-8 whatever the system's character set (the format says so, or is XML).
    bool alwaysUtf8;
    FormatReader read;
    // Nothing for a format that Vantrel reads but does not write.
    FormatWriter write;
};

// Every format, in the order the dialogs offer them.
const std::vector<FormatInfo> &playlistFormats();
const FormatInfo &formatInfo(PlaylistFormat format);

// The text after the last "." of the whole path, in lower case; the whole path when it has
// no "." at all (so a dot in a folder name yields "lists/new").
QString extensionOf(const QString &path);

// The format that the path's extension selects, or nothing. Every format with an extension is
// written too.
const FormatInfo *formatOf(const QString &path);

// Every extension, each with its dot: ".pls、.m3u … 或 .wvx".
QString extensionList();
