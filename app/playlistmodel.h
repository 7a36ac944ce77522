#pragma once

#include "media/tracktags.h"
#include "playlist/playlistentry.h"
#include "playlist/rowfilter.h"

#include <QAbstractTableModel>
#include <QSet>

#include <memory>
#include <utility>
#include <vector>

class QUndoCommand;
class QUndoStack;
class TagLoader;

// The rows of the playlist table and the history of their edits. Rows are held by pointer so
// that inserting many rows at one fixed position (as Add does) moves pointers, not five strings
// per row, and so that the history can keep the rows an edit took out instead of copies.
//
// Every public change of the rows is an edit that undo takes back, except loading a whole list
// (replaceEntries, clear), which starts a fresh history.
//
// The tags of every local file are read as its row appears, off the user-interface thread; their
// cells fill in as they arrive.
//
// While a filter is set, the edits that act on every row (the check marks, removing the checked
// or missing rows, sorting) act on the rows it shows alone; a hidden row keeps its place and its
// mark.
class PlaylistModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        NameColumn,
        SizeColumn,
        PathColumn,
        TypeColumn,
        CreatedColumn,
        TitleColumn,
        ArtistColumn,
        AlbumColumn,
        TrackColumn,
        LengthColumn,
        ColumnCount
    };
    // Header role giving each column's key ("key1" to "key10").
    static constexpr int ColumnKeyRole = Qt::UserRole;
    // The role that dataChanged names when tags arrive: no edit of the rows.
    static constexpr int TagsRole = Qt::UserRole + 1;
    // Undo goes back this many edits at most; older ones are forgotten with the rows they hold.
    static constexpr int UndoLimit = 100;

    explicit PlaylistModel(QObject *parent = nullptr);
    ~PlaylistModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // A check box toggled in the view is an edit of its own.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Drags carry one row of this table; drops take files from a file manager too.
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    // Stable: rows of equal keys keep their order. Texts in reading order, sizes, track numbers
    // and lengths by number, creation times by time. The rows shown are sorted among their own
    // places.
    void sort(int column, Qt::SortOrder order) override;

    const PlaylistEntry &entry(int row) const { return *m_rows[size_t(row)]; }
    // The row that holds this entry, or -1.
    int rowOf(const PlaylistEntry *entry) const;
    // What the file of the row says of itself; empty until read, and for rows of no local file.
    TrackTags tagsOf(int row) const;
    TrackTags tagsOf(const PlaylistEntry &entry) const;
    // The row's length in seconds: the list's own, else the tags'; -1 when unknown.
    int lengthOf(int row) const;
    const TagLoader &tagLoader() const { return *m_tags; }
    // Every row, in table order: what a playlist file is written from.
    std::vector<PlaylistEntry> entries() const;
    // Every row's path cell: what Add and drops compare, exactly and case-sensitively.
    QSet<QString> paths() const;
    // The rows (ascending) that a drag of this table's data carries; none for any other data.
    std::vector<int> draggedRows(const QMimeData *data) const;

    // Loading a list: every row at once, and a fresh history.
    void replaceEntries(std::vector<PlaylistEntry> entries);
    void clear();

    // Inserts at 0-based position row (0 <= row <= rowCount()); the rows from there move down.
    void insertEntry(int row, PlaylistEntry entry);
    // Puts each entry in the place of its row (0-based), as one edit; the entries keep what
    // they carry, check mark included.
    void replaceEntriesAt(std::vector<std::pair<int, PlaylistEntry>> replacements);
    // Removes every checked row shown and keeps the others in their order. Returns how many
    // went.
    int removeCheckedEntries();
    // Removes every row shown whose file was not found, as one edit. Returns how many went.
    int removeMissingEntries();
    // Removes the rows at the positions (0-based, ascending), as one edit.
    void removeEntriesAt(std::vector<int> positions);
    // Check-mark commands: each changes every row shown and reports it in one change.
    void setAllChecked(bool checked);
    void invertAllChecked();
    // Toggles the marks of the rows (ascending), as one edit.
    void toggleChecked(std::vector<int> rows);
    // Puts the rows in a new order, as one edit: row i of the new order is row order[i] of the
    // old one. Whole rows move, check marks included; selections follow them.
    void reorderEntries(std::vector<int> order);

    // The edits between the outermost begin and end are one step of the history: a whole scan
    // of the search, one Add. Undo and redo wait until the step is complete.
    void beginGroupedChange();
    void endGroupedChange();

    QUndoStack &history() const { return *m_history; }

    // The rows shown are those whose name, path, title, artist or album hold the text (see
    // RowFilter); every row while it is empty.
    void setFilterText(const QString &text);
    // Readies the filter for the first text typed (see RowFilter::prepare).
    void prepareFilter() { m_filter.prepare(); }
    bool isFiltered() const { return m_filter.isActive(); }
    bool isShown(int row) const;
    // The rows shown, ascending.
    std::vector<int> shownRows() const;

Q_SIGNALS:
    // Rows came, went, moved or took other texts: every change but check marks, which choose
    // rows for a command and are no part of a list.
    void rowsChanged();

public:
    // Each answers whether it changed more than check marks.
    bool undo();
    bool redo();

private:
    // A row of the table: its entry, the length its tags gave, kept beside it so that the total
    // over every row reads no cache, and its filter key, made when a filter first looks at it
    // and again once its tags have come.
    struct StoredRow : PlaylistEntry {
        explicit StoredRow(PlaylistEntry entry)
            : PlaylistEntry(std::move(entry)) {}
        int tagLength = -1;
        mutable QString filterKey;
    };
    using Row = std::unique_ptr<StoredRow>;
    class InsertEdit;
    class RemoveEdit;
    class ReplaceEdit;
    class ReorderEdit;
    class MarksEdit;

    // The whole text of a cell; the view shows its start and end.
    QString text(const PlaylistEntry &row, int column) const;
    void record(QUndoCommand *edit);
    int removeEntries(bool (*isRemoved)(const PlaylistEntry &entry));
    qint64 numberKey(const StoredRow &row, int column) const;
    // The rows' positions in the sorted order: element i is the row that goes to position i.
    std::vector<int> sortedOrder(int column, Qt::SortOrder order) const;

    void putRows(int first, std::vector<Row> rows);
    std::vector<Row> takeRows(int first, int count);
    void putRowsAt(const std::vector<int> &positions, std::vector<Row> rows);
    std::vector<Row> takeRowsAt(const std::vector<int> &positions);
    // Exchanges the rows at the positions with the given ones, which then hold the rows that
    // were there.
    void swapRowsAt(const std::vector<int> &positions, std::vector<Row> &rows);
    void reorder(const std::vector<int> &order);
    void emitCheckMarksChanged(int first, int last);
    // Hands the loader the local files of these rows (0-based).
    void readTags(int first, int last);
    void readTags(const std::vector<int> &positions);
    void showTags(const QStringList &paths);

    std::vector<Row> m_rows;
    // Mutable: it keeps the pinyin it has looked up.
    mutable RowFilter m_filter;
    QUndoStack *m_history;
    TagLoader *m_tags;
    int m_groupDepth = 0;
    bool m_groupOpen = false;
};
