#include "media/filequery.h"

#include "media/generaldate.h"

#include <QDir>
#include <QFileInfo>

std::optional<PlaylistEntry> FileQuery::entryFor(const QString &path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    // Where the file system keeps no birth time, the last change stands in for it.
    QDateTime created = info.birthTime();
    if (!created.isValid())
        created = info.lastModified();

    PlaylistEntry entry;
    entry.name = info.fileName();
    entry.size = QString::number(info.size());
    entry.path = QDir::cleanPath(info.absoluteFilePath());
    entry.type = typeDescription(entry.name);
    entry.created = generalDateText(created, m_locale);
    entry.createdTime = created;
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
