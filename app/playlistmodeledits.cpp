// The edits of the playlist table and their history. Each edit keeps what undo needs and no
// more: the rows it took out (not copies), the positions it took them from, a permutation, or
// the rows whose marks it toggled.
#include "app/playlistmodel.h"

#include "playlist/rowmoves.h"

#include <QUndoStack>

namespace {

enum EditId { GroupedInsertId = 1, MarksId = 2 };

} // namespace

// Rows inserted as one block. While the edit is undone it holds the rows it took out.
class PlaylistModel::InsertEdit : public QUndoCommand {
public:
    InsertEdit(PlaylistModel &model, int first, Row row, bool grouped)
        : m_model(model)
        , m_first(first)
        , m_grouped(grouped) {
        m_rows.push_back(std::move(row));
    }

    int id() const override { return m_grouped ? GroupedInsertId : -1; }
    void redo() override { m_model.putRows(m_first, std::exchange(m_rows, {})); }
    void undo() override { m_rows = m_model.takeRows(m_first, m_count); }

    // A row inserted anywhere in the block or right beside it keeps the block whole, whether a
    // scan appends or Add inserts at one fixed place.
    bool mergeWith(const QUndoCommand *other) override {
        const auto *insert = static_cast<const InsertEdit *>(other);
        if (insert->m_first < m_first || insert->m_first > m_first + m_count)
            return false;
        m_count += insert->m_count;
        return true;
    }

private:
    PlaylistModel &m_model;
    int m_first;
    int m_count = 1;
    bool m_grouped;
    std::vector<Row> m_rows;
};

// Rows removed from anywhere; while the edit is done it holds them with their old positions.
class PlaylistModel::RemoveEdit : public QUndoCommand {
public:
    RemoveEdit(PlaylistModel &model, std::vector<int> positions)
        : m_model(model)
        , m_positions(std::move(positions)) {}

    void redo() override { m_rows = m_model.takeRowsAt(m_positions); }
    void undo() override { m_model.putRowsAt(m_positions, std::exchange(m_rows, {})); }

private:
    PlaylistModel &m_model;
    std::vector<int> m_positions;
    std::vector<Row> m_rows;
};

// Rows put in the place of others; the edit holds the rows that are not in the table, and
// exchanging them back and forth is both redo and undo.
class PlaylistModel::ReplaceEdit : public QUndoCommand {
public:
    ReplaceEdit(PlaylistModel &model, std::vector<int> positions, std::vector<Row> rows)
        : m_model(model)
        , m_positions(std::move(positions))
        , m_rows(std::move(rows)) {}

    void redo() override { m_model.swapRowsAt(m_positions, m_rows); }
    void undo() override { m_model.swapRowsAt(m_positions, m_rows); }

private:
    PlaylistModel &m_model;
    std::vector<int> m_positions;
    std::vector<Row> m_rows;
};

// Rows in a new order, as a sort, a move or a shuffle leaves them.
class PlaylistModel::ReorderEdit : public QUndoCommand {
public:
    ReorderEdit(PlaylistModel &model, std::vector<int> order)
        : m_model(model)
        , m_order(std::move(order)) {}

    void redo() override { m_model.reorder(m_order); }
    void undo() override {
        std::vector<int> back(m_order.size());
        for (size_t i = 0; i < m_order.size(); ++i)
            back[size_t(m_order[i])] = int(i);
        m_model.reorder(back);
    }

private:
    PlaylistModel &m_model;
    std::vector<int> m_order;
};

// Marks toggled on the rows (ascending); toggling again is the undo.
class PlaylistModel::MarksEdit : public QUndoCommand {
public:
    MarksEdit(PlaylistModel &model, std::vector<int> rows)
        : m_model(model)
        , m_rows(std::move(rows)) {}

    int id() const override { return MarksId; }
    void redo() override { toggle(); }
    void undo() override { toggle(); }

private:
    void toggle() {
        for (const int row : m_rows)
            m_model.m_rows[size_t(row)]->checked = !m_model.m_rows[size_t(row)]->checked;
        m_model.emitCheckMarksChanged(m_rows.front(), m_rows.back());
    }

    PlaylistModel &m_model;
    std::vector<int> m_rows;
};

bool PlaylistModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::CheckStateRole || index.column() != NameColumn ||
        !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    if ((value.toInt() == Qt::Checked) != entry(index.row()).checked)
        record(new MarksEdit(*this, std::vector<int>{index.row()}));
    return true;
}

void PlaylistModel::insertEntry(int row, PlaylistEntry entry) {
    Q_ASSERT(row >= 0 && row <= rowCount() && rowCount() < MaxRows);
    record(new InsertEdit(*this, row, std::make_unique<StoredRow>(std::move(entry)),
                          m_groupDepth > 0));
}

void PlaylistModel::replaceEntriesAt(std::vector<std::pair<int, PlaylistEntry>> replacements) {
    if (replacements.empty())
        return;
    std::vector<int> positions;
    std::vector<Row> rows;
    positions.reserve(replacements.size());
    rows.reserve(replacements.size());
    for (auto &[row, entry] : replacements) {
        Q_ASSERT(row >= 0 && row < rowCount());
        positions.push_back(row);
        rows.push_back(std::make_unique<StoredRow>(std::move(entry)));
    }
    record(new ReplaceEdit(*this, std::move(positions), std::move(rows)));
}

int PlaylistModel::removeCheckedEntries() {
    return removeEntries([](const PlaylistEntry &entry) { return entry.checked; });
}

int PlaylistModel::removeMissingEntries() {
    return removeEntries(
        [](const PlaylistEntry &entry) { return entry.kind == PlaylistEntry::Kind::Missing; });
}

int PlaylistModel::removeEntries(bool (*isRemoved)(const PlaylistEntry &entry)) {
    std::vector<int> positions;
    for (int row = 0; row < rowCount(); ++row) {
        if (isRemoved(entry(row)) && isShown(row))
            positions.push_back(row);
    }
    const int removed = int(positions.size());
    removeEntriesAt(std::move(positions));
    return removed;
}

void PlaylistModel::removeEntriesAt(std::vector<int> positions) {
    if (!positions.empty())
        record(new RemoveEdit(*this, std::move(positions)));
}

void PlaylistModel::setAllChecked(bool checked) {
    std::vector<int> rows;
    for (const int row : shownRows()) {
        if (entry(row).checked != checked)
            rows.push_back(row);
    }
    toggleChecked(std::move(rows));
}

void PlaylistModel::invertAllChecked() {
    toggleChecked(shownRows());
}

void PlaylistModel::toggleChecked(std::vector<int> rows) {
    if (!rows.empty())
        record(new MarksEdit(*this, std::move(rows)));
}

void PlaylistModel::reorderEntries(std::vector<int> order) {
    Q_ASSERT(order.size() == m_rows.size());
    if (!std::is_sorted(order.cbegin(), order.cend()))
        record(new ReorderEdit(*this, std::move(order)));
}

void PlaylistModel::sort(int column, Qt::SortOrder order) {
    reorderEntries(RowMoves::amongPlaces(sortedOrder(column, order), shownRows()));
}

void PlaylistModel::beginGroupedChange() {
    ++m_groupDepth;
}

void PlaylistModel::endGroupedChange() {
    Q_ASSERT(m_groupDepth > 0);
    if (--m_groupDepth == 0 && m_groupOpen) {
        m_history->endMacro();
        m_groupOpen = false;
    }
}

bool PlaylistModel::undo() {
    if (!m_history->canUndo())
        return false;
    const bool marksOnly = m_history->command(m_history->index() - 1)->id() == MarksId;
    m_history->undo();
    return !marksOnly;
}

bool PlaylistModel::redo() {
    if (!m_history->canRedo())
        return false;
    const bool marksOnly = m_history->command(m_history->index())->id() == MarksId;
    m_history->redo();
    return !marksOnly;
}

// A group opens its step with its first edit, so a group that changes nothing leaves no step.
void PlaylistModel::record(QUndoCommand *edit) {
    if (m_groupDepth > 0 && !m_groupOpen) {
        m_history->beginMacro({});
        m_groupOpen = true;
    }
    m_history->push(edit);
}
