#pragma once

#include "media/generaldate.h"
#include "playlist/playlistentry.h"

#include <QHash>
#include <QMimeDatabase>
#include <QString>

#include <optional>

struct FileFacts;

// Builds a playlist row from a file: name, clean absolute path, size in bytes, type
// description and creation time, from one question to the file system. Type descriptions are
// cached by suffix, since looking one up costs far more than the rest of the row. A query
// belongs to one thread; each thread that builds rows makes its own.
class FileQuery {
public:
    // The row for the file at path (not checked), or nothing when no file is there.
    std::optional<PlaylistEntry> entryFor(const QString &path);
    // The row for a file, or for a folder (name, path, type and creation time, no size), at
    // path; nothing when neither is there.
    std::optional<PlaylistEntry> localEntryFor(const QString &path);

private:
    PlaylistEntry entryFrom(const QString &path, const FileFacts &facts);
    QString typeDescription(const QString &fileName);

    QMimeDatabase m_mimeDatabase;
    QHash<QString, QString> m_typeBySuffix;
    QString m_folderType;
    GeneralDate m_dates{QLocale::system()};
};
