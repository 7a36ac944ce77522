#include "app/playlistview.h"

#include "app/playlistmodel.h"
#include "platform/settings.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>

#include <numeric>

namespace {

// The widths on first run, at 96 dots per inch.
constexpr int DefaultColumnWidths[PlaylistModel::ColumnCount] = {96,  93,  203, 96, 96,
                                                                 160, 110, 110, 48, 56};
// What a first run hides: the tag columns but title and length.
const QVariantList DefaultHiddenColumns = {PlaylistModel::ArtistColumn, PlaylistModel::AlbumColumn,
                                           PlaylistModel::TrackColumn};
const QString ColumnWidthsKey = QStringLiteral("table/columnWidths");
const QString HiddenColumnsKey = QStringLiteral("table/hiddenColumns");
const QString ColumnOrderKey = QStringLiteral("table/columnOrder");

} // namespace

PlaylistView::PlaylistView(PlaylistModel *model, Settings &settings, QWidget *parent)
    : QTreeView(parent)
    , m_model(model)
    , m_settings(settings) {
    setObjectName(QStringLiteral("ListView1"));
    setAccessibleName(QStringLiteral("节目列表"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(true);
    setModel(model);

    QHeaderView *columns = header();
    columns->setSectionsMovable(true);
    columns->setFirstSectionMovable(true);
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(true);
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    restoreColumns();
    connect(columns, &QHeaderView::sectionResized, this, &PlaylistView::storeColumnWidths);
    connect(columns, &QHeaderView::sectionMoved, this, &PlaylistView::storeColumnOrder);
    columns->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(
        columns, &QHeaderView::customContextMenuRequested, this,
        [this](const QPoint &position) { columnMenu()->popup(header()->mapToGlobal(position)); });

    // Any change of the rows ends the order the indicator shows.
    connect(model, &PlaylistModel::rowsChanged, this,
            [columns] { columns->setSortIndicator(-1, Qt::AscendingOrder); });

    // A move keeps each row's hidden state with the row; a reset forgets them all.
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) {
                m_shownRows += last - first + 1;
                filterRows(first, last);
                Q_EMIT shownRowCountChanged();
            });
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) { countRemovedRows(first, last); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, &PlaylistView::shownRowCountChanged);
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        m_shownRows = m_model->rowCount();
        applyFilter();
    });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight,
                   const QList<int> &roles) {
                if (roles.isEmpty() || roles.contains(PlaylistModel::TagsRole)) {
                    filterRows(topLeft.row(), bottomRight.row());
                    Q_EMIT shownRowCountChanged();
                }
            });
}

void PlaylistView::showSortedBy(int column, Qt::SortOrder order) {
    header()->setSortIndicator(column, order);
}

void PlaylistView::applyFilter() {
    setDragEnabled(!m_model->isFiltered());
    filterRows(0, m_model->rowCount() - 1);
    Q_EMIT shownRowCountChanged();
}

void PlaylistView::filterRows(int first, int last) {
    // With no filter and nothing hidden there is nothing to look at.
    if (!m_model->isFiltered() && m_shownRows == m_model->rowCount())
        return;
    for (int row = first; row <= last; ++row) {
        const bool hide = !m_model->isShown(row);
        if (hide != isRowHidden(row, {})) {
            setRowHidden(row, {}, hide);
            m_shownRows += hide ? -1 : 1;
        }
    }
    QItemSelection hidden;
    for (const QItemSelectionRange &range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (isRowHidden(row, {}))
                hidden.select(m_model->index(row, 0),
                              m_model->index(row, PlaylistModel::ColumnCount - 1));
        }
    }
    if (!hidden.isEmpty())
        selectionModel()->select(hidden, QItemSelectionModel::Deselect);
    if (currentIndex().isValid() && isRowHidden(currentIndex().row(), {}))
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
}

void PlaylistView::countRemovedRows(int first, int last) {
    for (int row = first; row <= last; ++row)
        m_shownRows -= isRowHidden(row, {}) ? 0 : 1;
}

void PlaylistView::keyPressEvent(QKeyEvent *event) {
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) {
        QTreeView::keyPressEvent(event);
        return;
    }
    std::vector<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty() && currentIndex().isValid())
        rows.push_back(currentIndex().row());
    std::sort(rows.begin(), rows.end());
    m_model->toggleChecked(std::move(rows));
    event->accept();
}

void PlaylistView::startDrag(Qt::DropActions) {
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(m_model->mimeData(rows));
    drag->exec(Qt::MoveAction);
}

void PlaylistView::dragEnterEvent(QDragEnterEvent *event) {
    QTreeView::dragEnterEvent(event);
    settleDropAction(event);
}

void PlaylistView::dragMoveEvent(QDragMoveEvent *event) {
    QTreeView::dragMoveEvent(event);
    settleDropAction(event);
}

void PlaylistView::settleDropAction(QDragMoveEvent *event) const {
    if (!event->isAccepted() || !m_model->draggedRows(event->mimeData()).empty())
        return;
    // Files are added, never moved away from the file manager.
    if (event->mimeData()->hasUrls() && (event->possibleActions() & Qt::CopyAction))
        event->setDropAction(Qt::CopyAction);
    else
        event->ignore();
}

void PlaylistView::dropEvent(QDropEvent *event) {
    const int row = dropRow(event->position().toPoint());
    if (const std::vector<int> rows = m_model->draggedRows(event->mimeData()); !rows.empty()) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
        Q_EMIT rowsDropped(rows, row);
    } else if (event->mimeData()->hasUrls()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        Q_EMIT urlsDropped(event->mimeData()->urls(), row);
    } else {
        event->ignore();
    }
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

QMenu *PlaylistView::columnMenu() {
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("columnMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QHeaderView *columns = header();
    const int shown = columns->count() - columns->hiddenSectionCount();
    for (int column = 0; column < PlaylistModel::ColumnCount; ++column) {
        QAction *item = menu->addAction(m_model->headerData(column, Qt::Horizontal).toString());
        item->setCheckable(true);
        item->setChecked(!columns->isSectionHidden(column));
        // The table keeps one column at least.
        item->setEnabled(columns->isSectionHidden(column) || shown > 1);
        connect(item, &QAction::toggled, this, [this, column](bool on) { showColumn(column, on); });
    }
    return menu;
}

void PlaylistView::showColumn(int column, bool shown) {
    header()->setSectionHidden(column, !shown);
    if (shown && header()->sectionSize(column) < header()->minimumSectionSize())
        header()->resizeSection(column, DefaultColumnWidths[column]);
    QVariantList hidden;
    for (int each = 0; each < PlaylistModel::ColumnCount; ++each)
        if (header()->isSectionHidden(each))
            hidden << each;
    m_settings.setValue(HiddenColumnsKey, hidden);
}

// Widths stored by a run that knew fewer columns still serve the columns it knew.
void PlaylistView::restoreColumns() {
    QHeaderView *columns = header();
    const QVariantList stored = m_settings.value(ColumnWidthsKey).toList();
    for (int column = 0; column < PlaylistModel::ColumnCount; ++column) {
        const int width = stored.value(column).toInt();
        columns->resizeSection(
            column, width >= columns->minimumSectionSize() ? width : DefaultColumnWidths[column]);
    }

    const QVariant hidden = m_settings.value(HiddenColumnsKey);
    const QVariantList hiddenColumns = hidden.isValid() ? hidden.toList() : DefaultHiddenColumns;
    for (const QVariant &column : hiddenColumns)
        if (column.toInt() >= 0 && column.toInt() < PlaylistModel::ColumnCount)
            columns->setSectionHidden(column.toInt(), true);
    if (columns->hiddenSectionCount() == columns->count())
        columns->setSectionHidden(PlaylistModel::NameColumn, false);

    // An order is taken only when it names every column once.
    const QVariantList order = m_settings.value(ColumnOrderKey).toList();
    QList<int> logical;
    for (const QVariant &column : order)
        logical << column.toInt();
    QList<int> sorted = logical;
    std::sort(sorted.begin(), sorted.end());
    QList<int> all(PlaylistModel::ColumnCount);
    std::iota(all.begin(), all.end(), 0);
    if (sorted != all)
        return;
    for (int visual = 0; visual < logical.size(); ++visual)
        columns->moveSection(columns->visualIndex(logical[visual]), visual);
}

// A hidden column keeps the width it had when it was shown.
void PlaylistView::storeColumnWidths() {
    const QVariantList stored = m_settings.value(ColumnWidthsKey).toList();
    QVariantList widths;
    for (int column = 0; column < PlaylistModel::ColumnCount; ++column)
        widths << (header()->isSectionHidden(column)
                       ? stored.value(column, DefaultColumnWidths[column])
                       : QVariant(header()->sectionSize(column)));
    m_settings.setValue(ColumnWidthsKey, widths);
}

void PlaylistView::storeColumnOrder() {
    QVariantList order;
    for (int visual = 0; visual < header()->count(); ++visual)
        order << header()->logicalIndex(visual);
    m_settings.setValue(ColumnOrderKey, order);
}

// Above the middle of a row the drop goes in front of it, below the middle after it.
int PlaylistView::dropRow(const QPoint &position) const {
    const QModelIndex at = indexAt(position);
    if (!at.isValid())
        return m_model->rowCount();
    return position.y() > visualRect(at).center().y() ? at.row() + 1 : at.row();
}
