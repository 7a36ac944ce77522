#pragma once

#include <QTreeView>
#include <QUrl>

#include <vector>

class PlaylistModel;
class QMenu;
class Settings;

// The playlist table: one line per row, a check box at its start, columns the user can widen,
// move, hide and show again through the header's menu (all remembered between runs), rows that
// files from a file manager and the table's own rows can be dropped between, a selection of many
// rows (Shift and Ctrl), and Space to toggle the check marks of the selected rows in any column.
// It shows the rows that the model's filter shows; a hidden row is never selected or current.
class PlaylistView : public QTreeView {
    Q_OBJECT

public:
    PlaylistView(PlaylistModel *model, Settings &settings, QWidget *parent);

    // Shows which column the rows are sorted by until the next change of the rows' order.
    void showSortedBy(int column, Qt::SortOrder order);
    // Shows the rows that the model's filter shows, now that its text has changed; rows that
    // come or change later are shown or hidden as they do. Rows are dragged only while every
    // row shows.
    void applyFilter();
    int shownRowCount() const { return m_shownRows; }

Q_SIGNALS:
    // row is the position the drop is in front of (the row count: after the last row).
    void urlsDropped(const QList<QUrl> &urls, int row);
    // The rows (ascending) of this table that a drag carried.
    void rowsDropped(const std::vector<int> &rows, int row);
    void shownRowCountChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The header's context menu: every column with a check mark where it shows.
    QMenu *columnMenu();
    void showColumn(int column, bool shown);
    void restoreColumns();
    void storeColumnWidths();
    void storeColumnOrder();
    // A row of this table moves; files are accepted as a copy, anything else is refused.
    void settleDropAction(QDragMoveEvent *event) const;
    int dropRow(const QPoint &position) const;
    // Hides or shows the rows first to last as the filter says, touching only those whose
    // state changes, and lets go of the hidden ones that were selected or current.
    void filterRows(int first, int last);
    void countRemovedRows(int first, int last);

    PlaylistModel *m_model;
    Settings &m_settings;
    int m_shownRows = 0;
};
