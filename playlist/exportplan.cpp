#include "playlist/exportplan.h"

#include "playlist/fatnames.h"
#include "playlist/playlistformat.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int NoCopy = -1;

QString fileNameOf(const QString &path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// The deepest folder that holds every path, with its "/".
QString commonFolder(const std::vector<PlaylistEntry> &rows, const std::vector<size_t> &fileRows) {
    if (fileRows.empty())
        return {};
    const QString &first = rows[fileRows.front()].path;
    QString common = first.left(first.lastIndexOf(u'/') + 1);
    for (const size_t row : fileRows) {
        const QString &path = rows[row].path;
        while (!path.startsWith(common))
            common.truncate(common.lastIndexOf(u'/', -2) + 1);
    }
    return common;
}

QString listFileFor(const QString &listName) {
    if (listName.isEmpty())
        return QStringLiteral("playlist.m3u8");
    const QString legal = FatNames::legal(listName);
    const FormatInfo *format = formatOf(legal);
    if (format && format->write)
        return legal;
    return FatNames::variant(QFileInfo(legal).completeBaseName() + QStringLiteral(".m3u8"), {}, 1);
}

} // namespace

ExportPlan::ExportPlan(const std::vector<PlaylistEntry> &rows, const QString &listName, bool flat)
    : m_rows(rows)
    , m_copyOfRow(rows.size(), NoCopy)
    , m_listFile(listFileFor(listName)) {
    // The list comes first: no copy takes its name.
    m_claims.insert(FatNames::key(m_listFile), {false, m_listFile});
    std::vector<size_t> fileRows;
    for (size_t row = 0; row < rows.size(); ++row) {
        switch (rows[row].kind) {
        case PlaylistEntry::Kind::File:
            fileRows.push_back(row);
            break;
        case PlaylistEntry::Kind::Missing:
            ++m_missingRows;
            break;
        case PlaylistEntry::Kind::Folder:
            ++m_folderRows;
            break;
        case PlaylistEntry::Kind::Address:
            break;
        }
    }
    if (flat)
        planFlat(fileRows);
    else
        planFolders(fileRows);
}

// A file listed twice is copied twice, so that playing by name plays the list's order.
void ExportPlan::planFlat(const std::vector<size_t> &fileRows) {
    const int width = std::max(3, int(QString::number(fileRows.size()).size()));
    int number = 0;
    for (const size_t row : fileRows) {
        const QString prefix = QStringLiteral("%1 ").arg(++number, width, 10, QLatin1Char('0'));
        m_copyOfRow[row] =
            addCopy(m_rows[row].path, {}, prefix, FatNames::legal(fileNameOf(m_rows[row].path)));
    }
}

void ExportPlan::planFolders(const std::vector<size_t> &fileRows) {
    const QString common = commonFolder(m_rows, fileRows);
    QHash<QString, int> copyOfSource;
    for (const size_t row : fileRows) {
        const QString &source = m_rows[row].path;
        const auto planned = copyOfSource.constFind(source);
        if (planned != copyOfSource.cend()) {
            m_copyOfRow[row] = *planned;
            continue;
        }
        const QStringList parts = source.mid(common.size()).split(u'/');
        QString folder;
        for (qsizetype part = 0; part + 1 < parts.size(); ++part)
            folder = claimFolder(folder, FatNames::legal(parts[part]));
        m_copyOfRow[row] = addCopy(source, folder, {}, FatNames::legal(parts.last()));
        copyOfSource.insert(source, m_copyOfRow[row]);
    }
}

int ExportPlan::addCopy(const QString &source, const QString &folder, const QString &prefix,
                        const QString &name) {
    Copy copy{source, {}, folder, prefix, name};
    claimName(copy, 1);
    m_copies.push_back(std::move(copy));
    return int(m_copies.size() - 1);
}

void ExportPlan::claimName(Copy &copy, int from) {
    for (int number = from;; ++number) {
        const QString target = copy.folder + FatNames::variant(copy.name, copy.prefix, number);
        const QString key = FatNames::key(target);
        if (m_claims.contains(key))
            continue;
        m_claims.insert(key, {false, target});
        copy.target = target;
        copy.number = number;
        return;
    }
}

QString ExportPlan::claimFolder(const QString &parent, const QString &name) {
    for (int number = 1;; ++number) {
        const QString folder = parent + FatNames::variant(name, {}, number);
        const QString key = FatNames::key(folder);
        const auto claimed = m_claims.constFind(key);
        if (claimed == m_claims.cend()) {
            m_claims.insert(key, {true, folder});
            return folder + u'/';
        }
        if (claimed->folder)
            return claimed->spelling + u'/';
    }
}

void ExportPlan::renameCopy(size_t copy) {
    claimName(m_copies[copy], m_copies[copy].number + 1);
}

std::vector<PlaylistEntry> ExportPlan::listRows(const QString &folder,
                                                const std::vector<bool> &placed) const {
    std::vector<PlaylistEntry> rows;
    for (size_t row = 0; row < m_rows.size(); ++row) {
        const int copy = m_copyOfRow[row];
        if (m_rows[row].kind == PlaylistEntry::Kind::Address) {
            rows.push_back(m_rows[row]);
        } else if (copy != NoCopy && placed[size_t(copy)]) {
            PlaylistEntry entry = m_rows[row];
            entry.path = folder + u'/' + m_copies[size_t(copy)].target;
            entry.relative = true;
            rows.push_back(std::move(entry));
        }
    }
    return rows;
}

int ExportPlan::rowsWithout(const std::vector<bool> &placed) const {
    return int(std::count_if(m_copyOfRow.cbegin(), m_copyOfRow.cend(), [&placed](int copy) {
        return copy != NoCopy && !placed[size_t(copy)];
    }));
}
