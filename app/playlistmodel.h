#pragma once

#include "app/playlistentry.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

// The rows of the playlist table. Rows are held by pointer so that inserting many rows at one
// fixed position (as Add does) moves pointers, not five strings per row.
class PlaylistModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Row positions and counters are 16-bit signed numbers in the program's rules.
    static constexpr int MaxRows = 32767;

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
    // Inserts at 0-based position row (0 <= row <= rowCount()); the rows from there move down.
    void insertEntry(int row, PlaylistEntry entry);
    // Removes the row at 0-based position row; the rows below move up.
    void removeEntry(int row);
    // Exact, case-sensitive comparison with every row's path cell.
    bool containsPath(const QString &path) const;

private:
    std::vector<std::unique_ptr<PlaylistEntry>> m_rows;
};
