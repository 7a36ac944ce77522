#include "app/playlistmodel.h"

#include "playlist/playlisttexts.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace {

const QString &cell(const PlaylistEntry &entry, int column) {
    switch (column) {
    case PlaylistModel::NameColumn:
        return entry.name;
    case PlaylistModel::SizeColumn:
        return entry.size;
    case PlaylistModel::PathColumn:
        return entry.path;
    case PlaylistModel::TypeColumn:
        return entry.type;
    default:
        return entry.created;
    }
}

// A missing file's row says so; any row shows the title and length its playlist gave it.
QString toolTip(const PlaylistEntry &entry) {
    QStringList lines;
    if (entry.kind == PlaylistEntry::Kind::Missing)
        lines << PlaylistTexts::notFoundTip();
    if (!entry.title.isEmpty())
        lines << PlaylistTexts::titleTip(entry.title);
    if (entry.length >= 0)
        lines << PlaylistTexts::lengthTip(entry.length);
    return lines.join(QLatin1Char('\n'));
}

Qt::Alignment columnAlignment(int column) {
    return (column == PlaylistModel::NameColumn ? Qt::AlignLeft : Qt::AlignHCenter) |
           Qt::AlignVCenter;
}

} // namespace

int PlaylistModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PlaylistModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlaylistModel::data(const QModelIndex &index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const PlaylistEntry &row = entry(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cell(row, index.column());
    case Qt::CheckStateRole:
        if (index.column() == NameColumn)
            return row.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return int(columnAlignment(index.column()));
    case Qt::ForegroundRole:
        if (row.kind == PlaylistEntry::Kind::Missing)
            return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
        return {};
    case Qt::ToolTipRole: {
        const QString tip = toolTip(row);
        return tip.isEmpty() ? QVariant() : tip;
    }
    default:
        return {};
    }
}

bool PlaylistModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::CheckStateRole || index.column() != NameColumn ||
        !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    m_rows[size_t(index.row())]->checked = value.toInt() == Qt::Checked;
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags PlaylistModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == NameColumn)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

QVariant PlaylistModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        static const char16_t *const headers[ColumnCount] = {u"文件名称", u"大小", u"位置", u"类型",
                                                             u"创建时间"};
        return QString::fromUtf16(headers[section]);
    }
    case ColumnKeyRole:
        return QStringLiteral("key%1").arg(section + 1);
    case Qt::TextAlignmentRole:
        return int(columnAlignment(section));
    default:
        return {};
    }
}

std::vector<PlaylistEntry> PlaylistModel::entries() const {
    std::vector<PlaylistEntry> result;
    result.reserve(m_rows.size());
    for (const auto &row : m_rows)
        result.push_back(*row);
    return result;
}

void PlaylistModel::insertEntry(int row, PlaylistEntry entry) {
    Q_ASSERT(row >= 0 && row <= rowCount());
    beginInsertRows({}, row, row);
    m_rows.insert(m_rows.begin() + row, std::make_unique<PlaylistEntry>(std::move(entry)));
    endInsertRows();
}

bool PlaylistModel::containsPath(const QString &path) const {
    return std::any_of(m_rows.cbegin(), m_rows.cend(),
                       [&path](const auto &row) { return row->path == path; });
}

void PlaylistModel::replaceEntry(int row, PlaylistEntry entry) {
    Q_ASSERT(row >= 0 && row < rowCount());
    *m_rows[size_t(row)] = std::move(entry);
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int PlaylistModel::removeCheckedEntries() {
    return removeEntries([](const PlaylistEntry &entry) { return entry.checked; });
}

int PlaylistModel::removeMissingEntries() {
    return removeEntries(
        [](const PlaylistEntry &entry) { return entry.kind == PlaylistEntry::Kind::Missing; });
}

int PlaylistModel::removeEntries(bool (*isRemoved)(const PlaylistEntry &entry)) {
    const auto firstGone = std::remove_if(m_rows.begin(), m_rows.end(),
                                          [isRemoved](const auto &row) { return isRemoved(*row); });
    const int removed = int(m_rows.end() - firstGone);
    if (removed == 0)
        return 0;
    // One reset instead of a removal per run of checked rows: with thousands of runs the view
    // would re-lay out its rows once per run.
    beginResetModel();
    m_rows.erase(firstGone, m_rows.end());
    endResetModel();
    return removed;
}

void PlaylistModel::setAllChecked(bool checked) {
    for (const auto &row : m_rows)
        row->checked = checked;
    emitCheckMarksChanged();
}

void PlaylistModel::invertAllChecked() {
    for (const auto &row : m_rows)
        row->checked = !row->checked;
    emitCheckMarksChanged();
}

void PlaylistModel::exchangeTexts(int row, int otherRow) {
    Q_ASSERT(row >= 0 && row < rowCount() && otherRow >= 0 && otherRow < rowCount());
    PlaylistEntry &a = *m_rows[size_t(row)];
    PlaylistEntry &b = *m_rows[size_t(otherRow)];
    std::swap(a, b);
    std::swap(a.checked, b.checked);
    Q_EMIT dataChanged(index(std::min(row, otherRow), 0),
                       index(std::max(row, otherRow), ColumnCount - 1),
                       {Qt::DisplayRole, Qt::ForegroundRole, Qt::ToolTipRole});
}

void PlaylistModel::emitCheckMarksChanged() {
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, NameColumn), index(rowCount() - 1, NameColumn),
                           {Qt::CheckStateRole});
}

void PlaylistModel::replaceEntries(std::vector<PlaylistEntry> entries) {
    Q_ASSERT(entries.size() <= size_t(MaxRows));
    std::vector<std::unique_ptr<PlaylistEntry>> rows;
    rows.reserve(entries.size());
    for (PlaylistEntry &entry : entries)
        rows.push_back(std::make_unique<PlaylistEntry>(std::move(entry)));
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void PlaylistModel::clear() {
    replaceEntries({});
}
