#pragma once

#include "app/playlistview.h"
#include "platform/commondialog.h"
#include "playlist/entrylocations.h"

#include <QMainWindow>
#include <QPointer>

class FilterField;
class Form1;
class PlaylistModel;
class frmAbout;
class ToolbarColumn;
class QLabel;
class QMenu;
struct Platform;

// The playlist window: the table, the status bar, the shared file dialog, the menu bar and the
// document state that every command reads and changes.
class frmmain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmmain(Platform &platform, QWidget *parent = nullptr);
    ~frmmain() override;

    Platform &platform() const { return m_platform; }
    PlaylistModel &model() const { return *m_model; }

    // Sets panel 1 of the status bar to the count message for the current row count.
    void showcount();
    // The same message for a count that a running command keeps itself.
    void showcount(int rowCount);
    // Delete, Move up and Move down are available exactly while the table holds rows.
    void updaterowcommands();
    // Caption in its document form with the given list name.
    void setcaption(const QString &name);

    // The document state's rules, in one place. A command that may change the rows reports that
    // it starts (the list is not saved from then on, even when it changes nothing); a list put
    // into the table afresh (Open, New) or written to its own file (Save) gets its name and
    // caption, and nothing has changed since. The table's own change notifications mark the
    // rows edited.
    void rowsMayChange();
    void listLoaded(const QString &name);
    void listSaved(const QString &path);
    // saved holds only from a successful Save until the next command that may change the rows.
    bool saved() const { return m_saved; }
    // The rows changed (check marks aside) since the last Open, New or Save; Open asks before
    // it replaces them.
    bool edited() const { return m_edited; }

    // The current row (0-based) is the view's current row while it is selected; -1 when
    // there is none.
    int currentRow() const;
    // The selected rows, ascending: what the moves and Space act on.
    std::vector<int> selectedRows() const;
    // Selects the row alone and makes it the view's current index.
    void selectRow(int row);
    // Selects the rows (ascending) alone; the current row stays.
    void selectRows(const std::vector<int> &rows);
    // Makes the row current; the selection stays.
    void setCurrentRow(int row);

    // How Save writes the list: 文件 > 保存为相对路径 writes every local file relative to the
    // list's folder; 工具 > 保存标题和时长 writes the tags' titles and lengths where the list
    // has none.
    WriteOptions writeOptions() const;

    // Document state. listname is "新列表" while the list has no file of its own; insertpos is
    // the 1-based position at which Add and Open insert their next row.
    QString listname;
    int insertpos = 0;
    // How long, in milliseconds, a command that walks folders runs before it shows its progress
    // and lets the user stop it.
    int progressDelay = 300;

    PlaylistView *ListView1 = nullptr;
    QStatusBar *sb = nullptr;
    CommonDialog cd;

    QAction *munfilerelative = nullptr;
    QAction *muntooptags = nullptr;
    QAction *muneditdelete = nullptr;
    QAction *muneditgoon = nullptr;
    QAction *muneditgodown = nullptr;
    QAction *muneditgotop = nullptr;
    QAction *muneditgobottom = nullptr;

    // The About box while it is open; it has no owner and deletes itself when closed.
    QPointer<frmAbout> aboutBox;
    // The search dialog while it exists; it has no owner, so this window deletes it.
    QPointer<Form1> searchDialog;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createTable();
    void createStatusBar();
    void createMenus();
    void createToolbar();
    void trackEdits();
    // "显示N个" beside the count message while a filter hides rows.
    void showShownCount();
    // listname, and the caption in its document form with that name.
    void setListName(const QString &name);
    QAction *addItem(QMenu *menu, const char *name, const QString &caption,
                     const QList<QKeySequence> &shortcuts = {});
    void addSeparator(QMenu *menu, const char *name);

    Platform &m_platform;
    PlaylistModel *m_model = nullptr;
    QLabel *m_countPanel = nullptr;
    QLabel *m_shownPanel = nullptr;
    FilterField *m_filterField = nullptr;
    ToolbarColumn *m_toolbar = nullptr;
    bool m_saved = false;
    bool m_edited = false;
};
