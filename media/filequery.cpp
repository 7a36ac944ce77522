#include "media/filequery.h"

#include "platform/filefacts.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A path from the root, as lists and walks give them, needs no file engine to be made absolute.
QString cleanAbsolutePath(const QString &path) {
    return QDir::cleanPath(path.startsWith(QLatin1Char('/')) ? path
                                                             : QFileInfo(path).absoluteFilePath());
}

} // namespace

std::optional<PlaylistEntry> FileQuery::entryFor(const QString &path) {
    const std::optional<FileFacts> facts = FileFacts::of(path);
    if (!facts || facts->kind != FileFacts::Kind::File)
        return std::nullopt;
    return entryFrom(path, *facts);
}

std::optional<PlaylistEntry> FileQuery::localEntryFor(const QString &path) {
    const std::optional<FileFacts> facts = FileFacts::of(path);
    if (!facts || facts->kind == FileFacts::Kind::Other)
        return std::nullopt;
    return entryFrom(path, *facts);
}

PlaylistEntry FileQuery::entryFrom(const QString &path, const FileFacts &facts) {
    PlaylistEntry entry;
    entry.path = cleanAbsolutePath(path);
    if (facts.kind == FileFacts::Kind::File) {
        entry.name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        entry.size = QString::number(facts.size);
        entry.type = typeDescription(entry.name);
    } else {
        entry.kind = PlaylistEntry::Kind::Folder;
        // The root folder has no name of its own.
        entry.name = QFileInfo(entry.path).fileName();
        if (entry.name.isEmpty())
            entry.name = entry.path;
        if (m_folderType.isEmpty())
            m_folderType =
                m_mimeDatabase.mimeTypeForName(QStringLiteral("inode/directory")).comment();
        entry.type = m_folderType;
    }
    entry.createdTime = facts.created;
    entry.created = m_dates.text(entry.createdTime);
    return entry;
}

QString FileQuery::typeDescription(const QString &fileName) {
    // Names without a dot are looked up whole: some types are known by full name ("Makefile").
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'), 1);
    const QString key = dot < 0 ? fileName : fileName.mid(dot);
    auto cached = m_typeBySuffix.constFind(key);
    if (cached == m_typeBySuffix.cend())
        cached = m_typeBySuffix.insert(
            key, m_mimeDatabase.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension).comment());
    return *cached;
}
