#include "app/frmmain.h"

#include "app/apptexts.h"
#include "app/playlistmodel.h"
#include "media/addfiles.h"
#include "media/form1.h"
#include "platform/platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTreeView>

namespace {

// Sizes at 96 dots per inch.
constexpr int ClientWidth = 624;
constexpr int ClientHeight = 357;
constexpr int StatusBarHeight = 21;
constexpr QRect TableGeometry(0, 0, 593, 337);
constexpr int ColumnWidths[] = {96, 93, 203, 96, 96};
constexpr int CountPanelWidth = 296;
constexpr int CreditPanelWidth = 336;

} // namespace

frmmain::frmmain(Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , cd(*platform.fileDialog, platform.codePage)
    , m_platform(platform) {
    setObjectName(QStringLiteral("frmmain"));
    createTable();
    createStatusBar();
    createMenus();
    resize(ClientWidth, menuBar()->sizeHint().height() + ClientHeight);

    setWindowTitle(AppTexts::startupCaption());
    listname = AppTexts::newListName();
    updaterowcommands();
    showcount();
}

frmmain::~frmmain() {
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
    muneditdelete->setEnabled(hasRows);
    muneditgoon->setEnabled(hasRows);
    muneditgodown->setEnabled(hasRows);
}

void frmmain::setcaption(const QString &name) {
    setWindowTitle(AppTexts::documentCaption(name));
}

void frmmain::closeEvent(QCloseEvent *event) {
    event->accept();
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

    m_model = new PlaylistModel(this);
    ListView1 = new QTreeView(client);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setAccessibleName(QStringLiteral("节目列表"));
    ListView1->setGeometry(TableGeometry);
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSortingEnabled(false);
    ListView1->setModel(m_model);

    QHeaderView *header = ListView1->header();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    for (int column = 0; column < PlaylistModel::ColumnCount; ++column)
        header->resizeSection(column, ColumnWidths[column]);
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
}

void frmmain::createMenus() {
    QMenu *munfile = menuBar()->addMenu(QStringLiteral("文件"));
    munfile->setObjectName(QStringLiteral("munfile"));
    addItem(munfile, "munfilenew", QStringLiteral("新建"));
    addItem(munfile, "munfileopen", QStringLiteral("打开"));
    addItem(munfile, "munfilesave", QStringLiteral("保存"));
    addItem(munfile, "munfilesaveas", QStringLiteral("另存为"));
    addSeparator(munfile, "q");
    addItem(munfile, "munfileexit", QStringLiteral("退出"));

    QMenu *munedit = menuBar()->addMenu(QStringLiteral("编辑"));
    munedit->setObjectName(QStringLiteral("munedit"));
    QAction *muneditadd = addItem(munedit, "muneditadd", QStringLiteral("加入"));
    muneditdelete = addItem(munedit, "muneditdelete", QStringLiteral("删除"));
    addSeparator(munedit, "w");
    muneditgoon = addItem(munedit, "muneditgoon", QStringLiteral("上移"));
    muneditgodown = addItem(munedit, "muneditgodown", QStringLiteral("下移"));
    addSeparator(munedit, "e");
    addItem(munedit, "muneditselectall", QStringLiteral("全选"));
    addItem(munedit, "muneditselectunall", QStringLiteral("反选"));
    addItem(munedit, "muneditselectclear", QStringLiteral("清除"));

    QMenu *muntoop = menuBar()->addMenu(QStringLiteral("工具"));
    muntoop->setObjectName(QStringLiteral("muntoop"));
    QAction *muntoopfind = addItem(muntoop, "muntoopfind", QStringLiteral("搜索本机"));

    QMenu *munhelp = menuBar()->addMenu(QStringLiteral("帮助"));
    munhelp->setObjectName(QStringLiteral("munhelp"));
    addItem(munhelp, "munhelpzn", QStringLiteral("指南"));
    addItem(munhelp, "munhelpfaq", QStringLiteral("FAQ"));
    addSeparator(munhelp, "yh");
    addItem(munhelp, "munhelpemail", QStringLiteral("给我发E_mail"));
    addItem(munhelp, "munhelpgoweb", QStringLiteral("访问我的网站"));
    addSeparator(munhelp, "g");
    addItem(munhelp, "munhelpabut", QStringLiteral("关于"));

    connect(muneditadd, &QAction::triggered, this, [this] { addFiles(*this); });
    connect(muntoopfind, &QAction::triggered, this, [this] { Form1::openFor(*this); });
}

QAction *frmmain::addItem(QMenu *menu, const char *name, const QString &caption) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void frmmain::addSeparator(QMenu *menu, const char *name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}
