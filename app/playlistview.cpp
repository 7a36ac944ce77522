#include "app/playlistview.h"

#include "app/playlistmodel.h"
#include "platform/settings.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>

namespace {

// The widths on first run, at 96 dots per inch.
constexpr int DefaultColumnWidths[PlaylistModel::ColumnCount] = {96, 93, 203, 96, 96};
const QString ColumnWidthsKey = QStringLiteral("table/columnWidths");

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
    columns->setSectionsMovable(false);
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(true);
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    restoreColumnWidths();
    connect(columns, &QHeaderView::sectionResized, this, &PlaylistView::storeColumnWidths);

    // Any change of the rows ends the order the indicator shows.
    connect(model, &PlaylistModel::rowsChanged, this,
            [columns] { columns->setSortIndicator(-1, Qt::AscendingOrder); });
}

void PlaylistView::showSortedBy(int column, Qt::SortOrder order) {
    header()->setSortIndicator(column, order);
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

void PlaylistView::restoreColumnWidths() {
    const QVariantList stored = m_settings.value(ColumnWidthsKey).toList();
    const bool usable = stored.size() == PlaylistModel::ColumnCount &&
                        std::all_of(stored.cbegin(), stored.cend(), [this](const QVariant &width) {
                            return width.toInt() >= header()->minimumSectionSize();
                        });
    for (int column = 0; column < PlaylistModel::ColumnCount; ++column)
        header()->resizeSection(column,
                                usable ? stored[column].toInt() : DefaultColumnWidths[column]);
}

void PlaylistView::storeColumnWidths() {
    QVariantList widths;
    for (int column = 0; column < PlaylistModel::ColumnCount; ++column)
        widths << header()->sectionSize(column);
    m_settings.setValue(ColumnWidthsKey, widths);
}

// Above the middle of a row the drop goes in front of it, below the middle after it.
int PlaylistView::dropRow(const QPoint &position) const {
    const QModelIndex at = indexAt(position);
    if (!at.isValid())
        return m_model->rowCount();
    return position.y() > visualRect(at).center().y() ? at.row() + 1 : at.row();
}
