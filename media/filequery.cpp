#include "media/filequery.h"

#include "media/generaldate.h"

#include <QDir>

std::optional<PlaylistEntry> FileQuery::entryFor(const QString &path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    PlaylistEntry entry;
    entry.name = info.fileName();
    entry.size = QString::number(info.size());
    entry.path = QDir::cleanPath(info.absoluteFilePath());
    entry.type = typeDescription(entry.name);
    entry.createdTime = creationTime(info);
    entry.created = generalDateText(entry.createdTime, m_locale);
    return entry;
}

std::optional<PlaylistEntry> FileQuery::folderEntryFor(const QString &path) {
    const QFileInfo info(path);
    if (!info.isDir())
        return std::nullopt;
    PlaylistEntry entry;
    entry.path = QDir::cleanPath(info.absoluteFilePath());
    entry.name = QFileInfo(entry.path).fileName();
    if (entry.name.isEmpty())
        entry.name = entry.path;
    entry.type = m_mimeDatabase.mimeTypeForName(QStringLiteral("inode/directory")).comment();
    entry.createdTime = creationTime(info);
    entry.created = generalDateText(entry.createdTime, m_locale);
    return entry;
}

QDateTime FileQuery::creationTime(const QFileInfo &info) {
    // Where the file system keeps no birth time, the last change stands in for it.
    const QDateTime born = info.birthTime();
    return born.isValid() ? born : info.lastModified();
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
