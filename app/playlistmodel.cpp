#include "app/playlistmodel.h"

#include "app/apptexts.h"
#include "media/readingorder.h"
#include "media/tagloader.h"
#include "playlist/playlisttexts.h"

#include <QGuiApplication>
#include <QMimeData>
#include <QPalette>
#include <QUndoStack>

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

const QString &cell(const PlaylistEntry &entry, int column) {
    switch (column) {
    case PlaylistModel::NameColumn:
        // An address says little of a stream; the title its list gave it says more.
        return entry.kind == PlaylistEntry::Kind::Address && !entry.title.isEmpty() ? entry.title
                                                                                    : entry.name;
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

// The cells of the columns after the five of the file: the list's title and length where it
// gave them, else the tags'.
QString tagCell(const PlaylistEntry &entry, const TrackTags &tags, int column) {
    switch (column) {
    case PlaylistModel::TitleColumn:
        return entry.title.isEmpty() ? tags.title : entry.title;
    case PlaylistModel::ArtistColumn:
        return tags.artist;
    case PlaylistModel::AlbumColumn:
        return tags.album;
    case PlaylistModel::TrackColumn:
        return tags.track > 0 ? QString::number(tags.track) : QString();
    default: {
        const int length = entry.length >= 0 ? entry.length : tags.length;
        return length >= 0 ? AppTexts::duration(length) : QString();
    }
    }
}

bool isTagColumn(int column) {
    return column >= PlaylistModel::TitleColumn;
}

// Cells show at most this many characters, and tooltips this many of a cell's whole text: a
// list may name a path of megabytes, which no view lays out quickly.
constexpr qsizetype MaxCellText = 300;
constexpr qsizetype MaxTipText = 1000;

// A cell's text too long to show whole is in its tooltip; a missing file's row says so; any row
// shows the title and length its playlist gave it.
QString toolTip(const PlaylistEntry &entry, const QString &text) {
    QStringList lines;
    if (text.size() > MaxCellText)
        lines << PlaylistTexts::shortened(text, MaxTipText);
    if (entry.kind == PlaylistEntry::Kind::Missing)
        lines << PlaylistTexts::notFoundTip();
    if (!entry.title.isEmpty())
        lines << PlaylistTexts::titleTip(PlaylistTexts::shortened(entry.title, MaxTipText));
    if (entry.length >= 0)
        lines << PlaylistTexts::lengthTip(entry.length);
    return lines.join(QLatin1Char('\n'));
}

// A drag of a row names this process and this table, so a drop from another window or another
// run of the program is never taken for a row of this one.
const QString RowMimeType = QStringLiteral("application/x-vantrel-row");

QByteArray dragSource(const PlaylistModel *model) {
    return QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
           QByteArray::number(quintptr(model));
}

// A row without a size or a time sorts before every row that has one.
qint64 sizeKey(const PlaylistEntry &row) {
    bool ok = false;
    const qint64 size = row.size.toLongLong(&ok);
    return ok ? size : std::numeric_limits<qint64>::min();
}

qint64 timeKey(const PlaylistEntry &row) {
    return row.createdTime.isValid() ? row.createdTime.toMSecsSinceEpoch()
                                     : std::numeric_limits<qint64>::min();
}

Qt::Alignment columnAlignment(int column) {
    switch (column) {
    case PlaylistModel::NameColumn:
    case PlaylistModel::TitleColumn:
    case PlaylistModel::ArtistColumn:
    case PlaylistModel::AlbumColumn:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case PlaylistModel::TrackColumn:
    case PlaylistModel::LengthColumn:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    }
}

} // namespace

PlaylistModel::PlaylistModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_history(new QUndoStack(this))
    , m_tags(new TagLoader(this)) {
    m_history->setUndoLimit(UndoLimit);
    connect(m_tags, &TagLoader::tagsArrived, this, &PlaylistModel::showTags);
    connect(this, &QAbstractItemModel::rowsInserted, this, &PlaylistModel::rowsChanged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &PlaylistModel::rowsChanged);
    connect(this, &QAbstractItemModel::rowsMoved, this, &PlaylistModel::rowsChanged);
    connect(this, &QAbstractItemModel::modelReset, this, &PlaylistModel::rowsChanged);
    connect(this, &QAbstractItemModel::layoutChanged, this, &PlaylistModel::rowsChanged);
    // A change of check marks names its role; one of the rows' texts names none.
    connect(this, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                if (roles.isEmpty())
                    Q_EMIT rowsChanged();
            });
}

PlaylistModel::~PlaylistModel() = default;

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
        return PlaylistTexts::shortened(text(row, index.column()), MaxCellText);
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
        const QString tip = toolTip(row, text(row, index.column()));
        return tip.isEmpty() ? QVariant() : tip;
    }
    default:
        return {};
    }
}

QString PlaylistModel::text(const PlaylistEntry &row, int column) const {
    return isTagColumn(column) ? tagCell(row, tagsOf(row), column) : cell(row, column);
}

Qt::ItemFlags PlaylistModel::flags(const QModelIndex &index) const {
    // Drops go between rows, never onto one.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags result =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren | Qt::ItemIsDragEnabled;
    if (index.column() == NameColumn)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

QVariant PlaylistModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        static const char16_t *const headers[ColumnCount] = {
            u"文件名称", u"大小",   u"位置", u"类型", u"创建时间",
            u"标题",     u"艺术家", u"专辑", u"音轨", u"时长"};
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

QStringList PlaylistModel::mimeTypes() const {
    return {QStringLiteral("text/uri-list"), RowMimeType};
}

QMimeData *PlaylistModel::mimeData(const QModelIndexList &indexes) const {
    if (indexes.isEmpty())
        return nullptr;
    std::vector<int> rows;
    for (const QModelIndex &index : indexes)
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QByteArray text = dragSource(this);
    for (const int row : rows)
        text += ' ' + QByteArray::number(row);
    auto *data = new QMimeData;
    data->setData(RowMimeType, text);
    return data;
}

Qt::DropActions PlaylistModel::supportedDropActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

std::vector<int> PlaylistModel::draggedRows(const QMimeData *data) const {
    const QList<QByteArray> parts = data->data(RowMimeType).split(' ');
    if (parts.size() < 3 || parts[0] + ' ' + parts[1] != dragSource(this))
        return {};
    std::vector<int> rows;
    for (qsizetype i = 2; i < parts.size(); ++i) {
        bool ok = false;
        const int row = parts[i].toInt(&ok);
        // Rows ascending and in the table, or the drag is none of this table's.
        if (!ok || row < 0 || row >= rowCount() || (!rows.empty() && row <= rows.back()))
            return {};
        rows.push_back(row);
    }
    return rows;
}

int PlaylistModel::rowOf(const PlaylistEntry *entry) const {
    const auto found = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                    [entry](const Row &row) { return row.get() == entry; });
    return found == m_rows.cend() ? -1 : int(found - m_rows.cbegin());
}

TrackTags PlaylistModel::tagsOf(int row) const {
    return tagsOf(entry(row));
}

TrackTags PlaylistModel::tagsOf(const PlaylistEntry &entry) const {
    return entry.kind == PlaylistEntry::Kind::File ? m_tags->tagsOf(entry.path) : TrackTags();
}

int PlaylistModel::lengthOf(int row) const {
    const StoredRow &listed = *m_rows[size_t(row)];
    return listed.length >= 0 ? listed.length : listed.tagLength;
}

std::vector<PlaylistEntry> PlaylistModel::entries() const {
    std::vector<PlaylistEntry> result;
    result.reserve(m_rows.size());
    for (const auto &row : m_rows)
        result.push_back(*row);
    return result;
}

QSet<QString> PlaylistModel::paths() const {
    QSet<QString> result;
    result.reserve(qsizetype(m_rows.size()));
    for (const Row &row : m_rows)
        result.insert(row->path);
    return result;
}

void PlaylistModel::replaceEntries(std::vector<PlaylistEntry> entries) {
    Q_ASSERT(entries.size() <= size_t(MaxRows));
    std::vector<Row> rows;
    rows.reserve(entries.size());
    for (PlaylistEntry &entry : entries)
        rows.push_back(std::make_unique<StoredRow>(std::move(entry)));
    // Clearing the history ends a group's step too; a group still running starts a new one.
    m_history->clear();
    m_groupOpen = false;
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
    // The rows of the list replaced are no longer waited for.
    m_tags->dropPending();
    readTags(0, rowCount() - 1);
}

void PlaylistModel::clear() {
    replaceEntries({});
}

void PlaylistModel::setFilterText(const QString &text) {
    m_filter.setText(text);
}

bool PlaylistModel::isShown(int row) const {
    if (!m_filter.isActive())
        return true;
    const StoredRow &stored = *m_rows[size_t(row)];
    if (stored.filterKey.isEmpty()) {
        const TrackTags tags = tagsOf(stored);
        stored.filterKey =
            m_filter.keyOf({cell(stored, NameColumn), stored.path,
                            tagCell(stored, tags, TitleColumn), tags.artist, tags.album});
    }
    return m_filter.matches(stored.filterKey);
}

std::vector<int> PlaylistModel::shownRows() const {
    std::vector<int> rows;
    rows.reserve(m_rows.size());
    for (int row = 0; row < rowCount(); ++row) {
        if (isShown(row))
            rows.push_back(row);
    }
    return rows;
}

// A row without the number sorts before every row that has one.
qint64 PlaylistModel::numberKey(const StoredRow &row, int column) const {
    constexpr qint64 none = std::numeric_limits<qint64>::min();
    switch (column) {
    case SizeColumn:
        return sizeKey(row);
    case CreatedColumn:
        return timeKey(row);
    case TrackColumn: {
        const int track = tagsOf(row).track;
        return track > 0 ? track : none;
    }
    default: {
        const int length = row.length >= 0 ? row.length : row.tagLength;
        return length >= 0 ? length : none;
    }
    }
}

std::vector<int> PlaylistModel::sortedOrder(int column, Qt::SortOrder order) const {
    std::vector<int> rows(m_rows.size());
    std::iota(rows.begin(), rows.end(), 0);
    const auto sortBy = [&rows, order](const auto &keys) {
        std::stable_sort(rows.begin(), rows.end(), [&keys, order](int a, int b) {
            return order == Qt::AscendingOrder ? keys[size_t(a)] < keys[size_t(b)]
                                               : keys[size_t(b)] < keys[size_t(a)];
        });
    };
    if (column == SizeColumn || column == CreatedColumn || column == TrackColumn ||
        column == LengthColumn) {
        std::vector<qint64> keys;
        keys.reserve(m_rows.size());
        for (const Row &row : m_rows)
            keys.push_back(numberKey(*row, column));
        sortBy(keys);
    } else if (isTagColumn(column)) {
        std::vector<QString> cells;
        cells.reserve(m_rows.size());
        for (const Row &row : m_rows)
            cells.push_back(tagCell(*row, tagsOf(*row), column));
        sortBy(ReadingOrder().ranks(std::vector<QStringView>(cells.cbegin(), cells.cend())));
    } else {
        std::vector<QStringView> texts;
        texts.reserve(m_rows.size());
        for (const Row &row : m_rows)
            texts.push_back(cell(*row, column));
        sortBy(ReadingOrder().ranks(texts));
    }
    return rows;
}

void PlaylistModel::putRows(int first, std::vector<Row> rows) {
    Q_ASSERT(first >= 0 && first <= rowCount() && !rows.empty());
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    m_rows.insert(m_rows.begin() + first, std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    endInsertRows();
    readTags(first, first + int(rows.size()) - 1);
}

std::vector<PlaylistModel::Row> PlaylistModel::takeRows(int first, int count) {
    Q_ASSERT(first >= 0 && count > 0 && first + count <= rowCount());
    beginRemoveRows({}, first, first + count - 1);
    const auto begin = m_rows.begin() + first;
    std::vector<Row> taken(std::make_move_iterator(begin), std::make_move_iterator(begin + count));
    m_rows.erase(begin, begin + count);
    endRemoveRows();
    return taken;
}

// Both take or put rows at many separate places at once, with one reset instead of a change per
// run of rows: with thousands of runs the view would lay out its rows once per run.
void PlaylistModel::putRowsAt(const std::vector<int> &positions, std::vector<Row> rows) {
    beginResetModel();
    const size_t total = m_rows.size() + rows.size();
    std::vector<Row> merged;
    merged.reserve(total);
    auto kept = std::make_move_iterator(m_rows.begin());
    for (size_t i = 0; i < positions.size(); ++i) {
        while (int(merged.size()) < positions[i])
            merged.push_back(*kept++);
        merged.push_back(std::move(rows[i]));
    }
    while (merged.size() < total)
        merged.push_back(*kept++);
    m_rows = std::move(merged);
    endResetModel();
    readTags(positions);
}

std::vector<PlaylistModel::Row> PlaylistModel::takeRowsAt(const std::vector<int> &positions) {
    beginResetModel();
    std::vector<Row> taken;
    taken.reserve(positions.size());
    for (const int position : positions)
        taken.push_back(std::move(m_rows[size_t(position)]));
    m_rows.erase(std::remove(m_rows.begin(), m_rows.end(), nullptr), m_rows.end());
    endResetModel();
    return taken;
}

void PlaylistModel::swapRowsAt(const std::vector<int> &positions, std::vector<Row> &rows) {
    Q_ASSERT(!positions.empty() && positions.size() == rows.size());
    for (size_t i = 0; i < positions.size(); ++i)
        m_rows[size_t(positions[i])].swap(rows[i]);
    const auto [first, last] = std::minmax_element(positions.cbegin(), positions.cend());
    Q_EMIT dataChanged(index(*first, 0), index(*last, ColumnCount - 1));
    readTags(positions);
}

void PlaylistModel::readTags(int first, int last) {
    std::vector<int> rows(size_t(std::max(0, last - first + 1)));
    std::iota(rows.begin(), rows.end(), first);
    readTags(rows);
}

void PlaylistModel::readTags(const std::vector<int> &positions) {
    // Tags read before show at once; the loader says when they have changed since.
    const bool cached = m_tags->cache().count() > 0;
    QStringList paths;
    for (const int position : positions) {
        StoredRow &row = *m_rows[size_t(position)];
        if (row.kind != PlaylistEntry::Kind::File)
            continue;
        row.tagLength = cached ? m_tags->tagsOf(row.path).length : -1;
        paths << row.path;
    }
    if (!paths.isEmpty())
        m_tags->load(paths);
}

// Only the span of rows that name one of the paths is drawn again.
void PlaylistModel::showTags(const QStringList &paths) {
    QHash<QString, int> lengths;
    lengths.reserve(paths.size());
    for (const QString &path : paths)
        lengths.insert(path, m_tags->tagsOf(path).length);
    int first = rowCount(), last = -1;
    for (int position = 0; position < rowCount(); ++position) {
        StoredRow &row = *m_rows[size_t(position)];
        const auto arrived = lengths.constFind(row.path);
        if (arrived == lengths.cend() || row.kind != PlaylistEntry::Kind::File)
            continue;
        row.tagLength = *arrived;
        row.filterKey.clear();
        first = std::min(first, position);
        last = position;
    }
    if (last >= 0)
        Q_EMIT dataChanged(index(first, TitleColumn), index(last, LengthColumn),
                           {Qt::DisplayRole, TagsRole});
}

// Row i of the new order is row order[i] of the old one.
void PlaylistModel::reorder(const std::vector<int> &order) {
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(order.size());
    std::vector<Row> rows(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        newRowOf[size_t(order[i])] = int(i);
        rows[i] = std::move(m_rows[size_t(order[i])]);
    }
    m_rows = std::move(rows);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before)
        after << this->index(newRowOf[size_t(index.row())], index.column());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void PlaylistModel::emitCheckMarksChanged(int first, int last) {
    if (first <= last)
        Q_EMIT dataChanged(index(first, NameColumn), index(last, NameColumn), {Qt::CheckStateRole});
}
