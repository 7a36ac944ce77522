#pragma once

#include "playlist/playlistentry.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMimeDatabase>

#include <optional>

// Builds a playlist row from a file: name, clean absolute path, size in bytes, type
// description and creation time. Type descriptions are cached by suffix, since looking one up
// costs far more than the rest of the row.
class FileQuery {
public:
    // The row for the file at path (not checked), or nothing when no file is there.
    std::optional<PlaylistEntry> entryFor(const QString &path);
    // The row for the folder at path: name, path, type and creation time, no size; or nothing
    // when no folder is there.
    std::optional<PlaylistEntry> folderEntryFor(const QString &path);

private:
    static QDateTime creationTime(const QFileInfo &info);
    QString typeDescription(const QString &fileName);

    QMimeDatabase m_mimeDatabase;
    QHash<QString, QString> m_typeBySuffix;
    QLocale m_locale = QLocale::system();
};
