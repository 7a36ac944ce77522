#pragma once

#include "playlist/playlistentry.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

// The rows of the playlist table. Rows are held by pointer so that inserting many rows at one
// fixed position (as Add does) moves pointers, not five strings per row.
class PlaylistModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn, SizeColumn, PathColumn, TypeColumn, CreatedColumn, ColumnCount };
    // Header role giving each column's key ("key1" to "key5").
    static constexpr int ColumnKeyRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const PlaylistEntry &entry(int row) const { return *m_rows[size_t(row)]; }
    // Every row, in table order: what a playlist file is written from.
    std::vector<PlaylistEntry> entries() const;
    // Inserts at 0-based position row (0 <= row <= rowCount()); the rows from there move down.
    void insertEntry(int row, PlaylistEntry entry);
    // Exact, case-sensitive comparison with every row's path cell.
    bool containsPath(const QString &path) const;
    // Replaces every row at once (one reset instead of one insertion per row).
    void replaceEntries(std::vector<PlaylistEntry> entries);
    void clear();

    // Puts entry in the place of the row, check mark and all.
    void replaceEntry(int row, PlaylistEntry entry);

    // Removes every checked row and keeps the others in their order. Returns how many went.
    int removeCheckedEntries();
    // Removes every row whose file was not found, in one step. Returns how many went.
    int removeMissingEntries();
    // Check-mark commands: each changes every row and reports it in one change.
    void setAllChecked(bool checked);
    void invertAllChecked();
    // Exchanges two rows, all they carry but the check mark: each row keeps its own.
    void exchangeTexts(int row, int otherRow);

private:
    int removeEntries(bool (*isRemoved)(const PlaylistEntry &entry));
    void emitCheckMarksChanged();

    std::vector<std::unique_ptr<PlaylistEntry>> m_rows;
};
