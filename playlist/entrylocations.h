#pragma once

#include "platform/codepage.h"
#include "playlist/playlistentry.h"
#include "playlist/writtentags.h"

#include <QDir>
#include <QString>

#include <optional>

// How a list is written beyond its rows.
struct WriteOptions {
    // Which local entries are written relative to the list's folder: those that came relative
    // (a list made elsewhere keeps its shape), every one, or none.
    enum class Relative { AsListed, Always, Never };

    Relative relative = Relative::AsListed;
    // The character set of the formats that are not always UTF-8. Linux names files in UTF-8
    // whatever the locale, so that is what a list for this machine is written in.
    CodePage codePage = CodePage("UTF-8");
    // Folders of relative paths separated by "\", as players on Windows write them.
    bool windowsSeparators = false;
    // Where set, rows without a title or a length of their own take their files' tags, in
    // every format that holds them; unset, a list keeps the bytes it always had.
    TagsOf tagsOf = {};
};

// Where each row of a list is written to, as one format's writer needs it.
class EntryLocations {
public:
    EntryLocations(const QString &target, const WriteOptions &options);

    // The path relative to the target's folder ("../" where needed), for a local row that is to
    // be written relative; nothing for a list and a file that share no folder but the root.
    std::optional<QString> relativePath(const PlaylistEntry &row) const;
    // Every form reads back as the row's path, in its format. An address stays as it stands,
    // but for what list texts drop (listtext.h), escaped; a relative name that would read as
    // something else ("file:a", "[playlist]") gets "./" before it, and a Linux path that starts
    // like a drive ("/c:/a") "/." before it.
    //
    // PLS, M3U and ASX: the path as it stands unless players would misread it ("#", "?", "%"
    // and two hex digits, blanks at either end, what list texts drop); such a path is a
    // percent-encoded file:// URI.
    QString plain(const PlaylistEntry &row) const;
    // RAM: "file://" and the path, escaped where a URI needs it; the drive letters and
    // backslashes of Windows paths stay as they are.
    QString ram(const PlaylistEntry &row) const;
    // XSPF: a URI always; a relative reference, escaped as a URI, where the row is written
    // relative.
    QString xspf(const PlaylistEntry &row) const;

private:
    QString withSeparators(const QString &relative) const;

    QDir m_folder;
    QString m_topFolder;
    WriteOptions::Relative m_relative;
    bool m_windowsSeparators;
};
