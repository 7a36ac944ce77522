#include "app/frmmain.h"

#include "about/frmabout.h"
#include "about/helpcommands.h"
#include "app/apptexts.h"
#include "app/editcommands.h"
#include "app/filterfield.h"
#include "app/playlistmodel.h"
#include "app/playlistview.h"
#include "app/tagpanels.h"
#include "app/toolbarcolumn.h"
#include "media/addfiles.h"
#include "media/dropfiles.h"
#include "media/form1.h"
#include "media/tagloader.h"
#include "media/tagreading.h"
#include "platform/platform.h"
#include "playlist/frmexport.h"
#include "playlist/lifecyclecommands.h"
#include "playlist/opencommand.h"
#include "playlist/repaircommands.h"
#include "playlist/savecommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

// Sizes at 96 dots per inch.
constexpr int ClientWidth = 624;
constexpr int ClientHeight = 357;
constexpr int StatusBarHeight = 21;
// The toolbar column's width, and the gap between it and the table.
constexpr int ToolbarWidth = 28;
constexpr int ToolbarGap = 3;
constexpr int CountPanelWidth = 296;
constexpr int CreditPanelWidth = 336;

const QString SaveRelativeKey = QStringLiteral("save/relativePaths");
const QString SaveTagsKey = QStringLiteral("save/titlesAndLengths");
const QString GeometryKey = QStringLiteral("window/geometry");

// The platform's keys for a standard command, or the usual one where the platform has none.
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence &usual) {
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    return keys.isEmpty() ? QList<QKeySequence>{usual} : keys;
}

} // namespace

frmmain::frmmain(Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , cd(*platform.fileDialog)
    , m_platform(platform) {
    setObjectName(QStringLiteral("frmmain"));
    createTable();
    createStatusBar();
    createMenus();
    createToolbar();
    trackEdits();
    // The described size is the first run's, the table's own with the filter field above it;
    // after that the window opens as it was left.
    if (!restoreGeometry(m_platform.settings->value(GeometryKey).toByteArray()))
        resize(ClientWidth, menuBar()->sizeHint().height() + m_filterField->sizeHint().height() +
                                ToolbarGap + ClientHeight);

    setWindowTitle(AppTexts::startupCaption());
    listname = AppTexts::newListName();
    updaterowcommands();
    showcount();
}

frmmain::~frmmain() {
    // Owner-less windows would otherwise outlive the platform they use.
    delete aboutBox;
    delete searchDialog;
}

void frmmain::showcount() {
    showcount(m_model->rowCount());
}

void frmmain::showcount(int rowCount) {
    m_countPanel->setText(AppTexts::countMessage(rowCount));
}

void frmmain::updaterowcommands() {
    const bool hasRows = m_model->rowCount() > 0;
    // Among hidden rows a move would have no place the user sees.
    const bool movable = hasRows && !m_model->isFiltered();
    muneditdelete->setEnabled(hasRows);
    muneditgoon->setEnabled(movable);
    muneditgodown->setEnabled(movable);
    muneditgotop->setEnabled(movable);
    muneditgobottom->setEnabled(movable);
    m_toolbar->setRowCommandsAvailable(hasRows, movable);
}

void frmmain::showShownCount() {
    const bool filtered = m_model->isFiltered();
    if (filtered)
        m_shownPanel->setText(AppTexts::shownMessage(ListView1->shownRowCount()));
    m_shownPanel->setVisible(filtered);
}

void frmmain::setcaption(const QString &name) {
    setWindowTitle(AppTexts::documentCaption(name));
}

void frmmain::setListName(const QString &name) {
    listname = name;
    setcaption(name);
}

void frmmain::rowsMayChange() {
    m_saved = false;
}

void frmmain::listLoaded(const QString &name) {
    setListName(name);
    m_saved = false;
    m_edited = false;
}

void frmmain::listSaved(const QString &path) {
    setListName(path);
    m_saved = true;
    m_edited = false;
}

int frmmain::currentRow() const {
    // The view keeps a current index even where the user selected nothing; such a row is no
    // row the user chose.
    const QModelIndex current = ListView1->currentIndex();
    return current.isValid() && ListView1->selectionModel()->isRowSelected(current.row())
               ? current.row()
               : -1;
}

std::vector<int> frmmain::selectedRows() const {
    // From the selection's ranges: asking row by row costs a look through every range.
    std::vector<int> rows;
    for (const QItemSelectionRange &range : ListView1->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void frmmain::selectRows(const std::vector<int> &rows) {
    QItemSelection selection;
    for (const int row : rows)
        selection.select(m_model->index(row, 0),
                         m_model->index(row, PlaylistModel::ColumnCount - 1));
    ListView1->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void frmmain::setCurrentRow(int row) {
    ListView1->selectionModel()->setCurrentIndex(m_model->index(row, 0),
                                                 QItemSelectionModel::NoUpdate);
}

void frmmain::selectRow(int row) {
    ListView1->selectionModel()->setCurrentIndex(
        m_model->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

WriteOptions frmmain::writeOptions() const {
    WriteOptions options;
    if (munfilerelative->isChecked())
        options.relative = WriteOptions::Relative::Always;
    // A song whose tags are still on their way is read here, so that a list saved the moment
    // it opened gets every title too.
    if (muntooptags->isChecked()) {
        options.tagsOf = [model = m_model](const PlaylistEntry &row) {
            return row.kind == PlaylistEntry::Kind::File && model->tagLoader().isPending(row.path)
                       ? readTrackTagsOfFile(row.path)
                       : model->tagsOf(row);
        };
    }
    return options;
}

void frmmain::closeEvent(QCloseEvent *event) {
    // The close box asks about an unsaved list exactly as Exit does.
    if (!mayDiscardList(*this)) {
        event->ignore();
        return;
    }
    event->accept();
    m_platform.settings->setValue(GeometryKey, saveGeometry());
    // The search dialog and the About box have no owner; the program ends with this window.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this && window->isVisible())
            window->close();
    }
}

void frmmain::createTable() {
    auto *client = new QWidget(this);
    setCentralWidget(client);
    // The table takes all the room the window has; the toolbar column stays at its right edge.
    auto *layout = new QHBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(ToolbarGap);
    auto *tableColumn = new QVBoxLayout;
    tableColumn->setContentsMargins(0, 0, 0, 0);
    tableColumn->setSpacing(ToolbarGap);
    layout->addLayout(tableColumn, 1);

    m_model = new PlaylistModel(this);
    m_filterField = new FilterField(client);
    ListView1 = new PlaylistView(m_model, *m_platform.settings, client);
    tableColumn->addWidget(m_filterField);
    tableColumn->addWidget(ListView1, 1);
    setTabOrder(m_filterField, ListView1);

    connect(m_filterField, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_model->setFilterText(text);
        ListView1->applyFilter();
        updaterowcommands();
    });
    connect(m_filterField, &FilterField::focused, m_model, &PlaylistModel::prepareFilter);
    connect(ListView1, &PlaylistView::shownRowCountChanged, this, &frmmain::showShownCount);
    auto *find = new QAction(this);
    find->setObjectName(QStringLiteral("findShortcut"));
    find->setShortcuts(standardKeys(QKeySequence::Find, Qt::CTRL | Qt::Key_F));
    addAction(find);
    connect(find, &QAction::triggered, this, [this] {
        m_filterField->setFocus(Qt::ShortcutFocusReason);
        m_filterField->selectAll();
    });

    connect(ListView1->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        sortRows(*this, column, ListView1->header()->sortIndicatorOrder());
    });
    connect(ListView1, &PlaylistView::rowsDropped, this,
            [this](const std::vector<int> &rows, int row) { moveRowsTo(*this, rows, row); });
    // Handled once the drop is over, so a message never holds up the file manager's drag.
    connect(
        ListView1, &PlaylistView::urlsDropped, this,
        [this](const QList<QUrl> &urls, int row) { dropFiles(*this, urls, row); },
        Qt::QueuedConnection);
}

void frmmain::createStatusBar() {
    sb = statusBar();
    sb->setObjectName(QStringLiteral("sb"));
    sb->setFixedHeight(StatusBarHeight);
    sb->setSizeGripEnabled(false);

    m_countPanel = new QLabel(AppTexts::countMessage(0), sb);
    m_countPanel->setObjectName(QStringLiteral("countPanel"));
    // A fixed size keeps a changing count from laying out the status bar again.
    m_countPanel->setFixedSize(CountPanelWidth, m_countPanel->sizeHint().height());
    auto *creditPanel = new QLabel(QStringLiteral("Vantrel —— 轻松制作节目列表"), sb);
    creditPanel->setObjectName(QStringLiteral("creditPanel"));
    creditPanel->setFixedWidth(CreditPanelWidth);
    sb->addWidget(m_countPanel);
    sb->addWidget(creditPanel);
    // On the right with what the tags tell, so the two described panels keep their places.
    m_shownPanel = new QLabel(sb);
    m_shownPanel->setObjectName(QStringLiteral("shownPanel"));
    m_shownPanel->hide();
    sb->addPermanentWidget(m_shownPanel);
    new TagPanels(*m_model, sb);
}

void frmmain::createMenus() {
    QMenu *munfile = menuBar()->addMenu(QStringLiteral("文件"));
    munfile->setObjectName(QStringLiteral("munfile"));
    QAction *munfilenew = addItem(munfile, "munfilenew", QStringLiteral("新建"),
                                  standardKeys(QKeySequence::New, Qt::CTRL | Qt::Key_N));
    QAction *munfileopen = addItem(munfile, "munfileopen", QStringLiteral("打开"),
                                   standardKeys(QKeySequence::Open, Qt::CTRL | Qt::Key_O));
    QAction *munfilesave = addItem(munfile, "munfilesave", QStringLiteral("保存"),
                                   standardKeys(QKeySequence::Save, Qt::CTRL | Qt::Key_S));
    QAction *munfilesaveas =
        addItem(munfile, "munfilesaveas", QStringLiteral("另存为"),
                standardKeys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction *munfileexport = addItem(munfile, "munfileexport", QStringLiteral("导出到文件夹…"));
    munfilerelative = addItem(munfile, "munfilerelative", QStringLiteral("保存为相对路径"));
    munfilerelative->setCheckable(true);
    munfilerelative->setChecked(m_platform.settings->value(SaveRelativeKey).toBool());
    addSeparator(munfile, "q");
    QAction *munfileexit = addItem(munfile, "munfileexit", QStringLiteral("退出"),
                                   standardKeys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));

    QMenu *munedit = menuBar()->addMenu(QStringLiteral("编辑"));
    munedit->setObjectName(QStringLiteral("munedit"));
    QAction *muneditundo = addItem(munedit, "muneditundo", QStringLiteral("撤销"),
                                   standardKeys(QKeySequence::Undo, Qt::CTRL | Qt::Key_Z));
    // Both usual redo keys on every desktop: each desktop names only one of them.
    QList<QKeySequence> redoKeys{Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y};
    for (const QKeySequence &keys : QKeySequence::keyBindings(QKeySequence::Redo)) {
        if (!redoKeys.contains(keys))
            redoKeys << keys;
    }
    QAction *muneditredo = addItem(munedit, "muneditredo", QStringLiteral("重做"), redoKeys);
    addSeparator(munedit, "z");
    QAction *muneditadd = addItem(munedit, "muneditadd", QStringLiteral("加入"));
    muneditdelete = addItem(munedit, "muneditdelete", QStringLiteral("删除"),
                            {QKeySequence(QKeySequence::Delete)});
    addSeparator(munedit, "w");
    muneditgoon = addItem(munedit, "muneditgoon", QStringLiteral("上移"), {Qt::ALT | Qt::Key_Up});
    muneditgodown =
        addItem(munedit, "muneditgodown", QStringLiteral("下移"), {Qt::ALT | Qt::Key_Down});
    muneditgotop =
        addItem(munedit, "muneditgotop", QStringLiteral("移到顶部"), {Qt::ALT | Qt::Key_Home});
    muneditgobottom =
        addItem(munedit, "muneditgobottom", QStringLiteral("移到底部"), {Qt::ALT | Qt::Key_End});
    QAction *muneditshuffle = addItem(munedit, "muneditshuffle", QStringLiteral("随机排列"));
    addSeparator(munedit, "e");
    QAction *muneditselectall = addItem(munedit, "muneditselectall", QStringLiteral("全选"));
    QAction *muneditselectunall = addItem(munedit, "muneditselectunall", QStringLiteral("反选"));
    QAction *muneditselectclear = addItem(munedit, "muneditselectclear", QStringLiteral("清除"));
    addSeparator(munedit, "r");
    QAction *muneditremovemissing =
        addItem(munedit, "muneditremovemissing", QStringLiteral("删除无效项"));
    QAction *muneditrelocate = addItem(munedit, "muneditrelocate", QStringLiteral("重新定位…"));
    QAction *muneditremoveduplicates =
        addItem(munedit, "muneditremoveduplicates", QStringLiteral("删除重复项"));

    QMenu *muntoop = menuBar()->addMenu(QStringLiteral("工具"));
    muntoop->setObjectName(QStringLiteral("muntoop"));
    QAction *muntoopfind = addItem(muntoop, "muntoopfind", QStringLiteral("搜索本机"));
    muntooptags = addItem(muntoop, "muntooptags", QStringLiteral("保存标题和时长"));
    muntooptags->setCheckable(true);
    muntooptags->setChecked(m_platform.settings->value(SaveTagsKey).toBool());

    QMenu *munhelp = menuBar()->addMenu(QStringLiteral("帮助"));
    munhelp->setObjectName(QStringLiteral("munhelp"));
    QAction *munhelpzn = addItem(munhelp, "munhelpzn", QStringLiteral("指南"),
                                 standardKeys(QKeySequence::HelpContents, Qt::Key_F1));
    QAction *munhelpfaq = addItem(munhelp, "munhelpfaq", QStringLiteral("FAQ"));
    addSeparator(munhelp, "yh");
    QAction *munhelpemail = addItem(munhelp, "munhelpemail", QStringLiteral("给我发E_mail"));
    QAction *munhelpgoweb = addItem(munhelp, "munhelpgoweb", QStringLiteral("访问我的网站"));
    addSeparator(munhelp, "g");
    QAction *munhelpabut = addItem(munhelp, "munhelpabut", QStringLiteral("关于"));

    connect(munfilenew, &QAction::triggered, this, [this] { newList(*this); });
    connect(munfileopen, &QAction::triggered, this, [this] { openList(*this); });
    connect(munfilesave, &QAction::triggered, this, [this] { saveList(*this); });
    connect(munfilesaveas, &QAction::triggered, this, [this] { saveListAs(*this); });
    connect(munfileexport, &QAction::triggered, this, [this] { frmExport::openFor(*this); });
    connect(munfilerelative, &QAction::toggled, this,
            [this](bool on) { m_platform.settings->setValue(SaveRelativeKey, on); });
    connect(muntooptags, &QAction::toggled, this,
            [this](bool on) { m_platform.settings->setValue(SaveTagsKey, on); });
    connect(munfileexit, &QAction::triggered, this, [this] { exitProgram(*this); });
    connect(muneditundo, &QAction::triggered, this, [this] { undoEdit(*this); });
    connect(muneditredo, &QAction::triggered, this, [this] { redoEdit(*this); });
    muneditundo->setEnabled(false);
    muneditredo->setEnabled(false);
    connect(&m_model->history(), &QUndoStack::canUndoChanged, muneditundo, &QAction::setEnabled);
    connect(&m_model->history(), &QUndoStack::canRedoChanged, muneditredo, &QAction::setEnabled);
    connect(muneditadd, &QAction::triggered, this, [this] { addFiles(*this); });
    connect(muneditdelete, &QAction::triggered, this, [this] { deleteCheckedRows(*this); });
    connect(muneditgoon, &QAction::triggered, this, [this] { moveRowsUp(*this); });
    connect(muneditgodown, &QAction::triggered, this, [this] { moveRowsDown(*this); });
    connect(muneditgotop, &QAction::triggered, this, [this] { moveRowsToTop(*this); });
    connect(muneditgobottom, &QAction::triggered, this, [this] { moveRowsToBottom(*this); });
    connect(muneditshuffle, &QAction::triggered, this, [this] { shuffleRows(*this); });
    connect(muneditselectall, &QAction::triggered, this, [this] { checkAllRows(*this); });
    connect(muneditselectunall, &QAction::triggered, this, [this] { invertCheckMarks(*this); });
    connect(muneditselectclear, &QAction::triggered, this, [this] { clearCheckMarks(*this); });
    connect(muneditremovemissing, &QAction::triggered, this, [this] { removeMissingRows(*this); });
    connect(muneditrelocate, &QAction::triggered, this, [this] { relocateMissingRows(*this); });
    connect(muneditremoveduplicates, &QAction::triggered, this,
            [this] { removeDuplicateRows(*this); });
    connect(muntoopfind, &QAction::triggered, this, [this] { Form1::openFor(*this); });
    connect(munhelpzn, &QAction::triggered, this, [this] { showGuide(*this); });
    connect(munhelpfaq, &QAction::triggered, this, [this] { showFaq(*this); });
    connect(munhelpemail, &QAction::triggered, this, [this] { sendMail(*this); });
    connect(munhelpgoweb, &QAction::triggered, this, [this] { visitHomePage(*this); });
    connect(munhelpabut, &QAction::triggered, this, [this] { showAbout(*this); });
}

void frmmain::createToolbar() {
    // The buttons run the menu items' handlers by triggering the items themselves.
    const auto item = [this](const char *name) {
        return findChild<QAction *>(QLatin1String(name));
    };
    m_toolbar = new ToolbarColumn({item("munfilenew"), item("munfileopen"), item("munfilesave"),
                                   item("muneditadd"), muneditdelete, muneditgoon, muneditgodown},
                                  centralWidget());
    m_toolbar->setFixedWidth(ToolbarWidth);
    centralWidget()->layout()->addWidget(m_toolbar);
}

void frmmain::trackEdits() {
    connect(m_model, &PlaylistModel::rowsChanged, this, [this] { m_edited = true; });
}

QAction *frmmain::addItem(QMenu *menu, const char *name, const QString &caption,
                          const QList<QKeySequence> &shortcuts) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(shortcuts);
    return action;
}

void frmmain::addSeparator(QMenu *menu, const char *name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}
