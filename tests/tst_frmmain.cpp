#include "app/frmmain.h"
#include "app/playlistmodel.h"

#include "fakeplatform.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

// The playlist window from start-up through Add, driven with a scripted file dialog and real
// files in a temporary folder.
class TestFrmmain : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startupState();
    void addBuildsRowsInReverseOrder();
    void addSkipsListedPathsCaseSensitively();
    void addThatEndsEarly();
    void addStopsAtTheRowBound();
    void closingEndsOwnerlessWindows();

private:
    QString makeFile(const QString &name, const QByteArray &bytes = "data") {
        QFile file(m_dir->filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot create the test file");
        return file.fileName();
    }
    QStringList paths() const {
        QStringList result;
        for (int row = 0; row < m_form->model().rowCount(); ++row)
            result << m_form->model().entry(row).path;
        return result;
    }
    QLabel *countPanel() const { return m_form->findChild<QLabel *>("countPanel"); }
    QString rowCommands() const {
        QString states;
        for (const QAction *item :
             {m_form->muneditdelete, m_form->muneditgoon, m_form->muneditgodown})
            states += item->isEnabled() ? 'y' : 'n';
        return states;
    }
    void add(const QStringList &answer) {
        m_fakes->fileDialog->openAnswers.push_back(answer);
        m_form->findChild<QAction *>("muneditadd")->trigger();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<frmmain> m_form;
};

void TestFrmmain::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_fakes = std::make_unique<FakePlatform>();
    m_form = std::make_unique<frmmain>(m_fakes->platform);
    new QAbstractItemModelTester(
        &m_form->model(), QAbstractItemModelTester::FailureReportingMode::QtTest, m_form.get());
}

void TestFrmmain::cleanup() {
    m_form.reset();
    m_fakes.reset();
    m_dir.reset();
}

void TestFrmmain::startupState() {
    QCOMPARE(m_form->windowTitle(), "Vantrel V1.0 --- 新列表");
    QCOMPARE(m_form->listname, "新列表");
    QCOMPARE(m_form->insertpos, 0);
    QVERIFY(!m_form->saved);
    QCOMPARE(countPanel()->text(), "共有0个节目文件！");
    QCOMPARE(rowCommands(), "nnn");

    const QStringList menus = {
        "文件=munfilenew:新建 munfileopen:打开 munfilesave:保存 munfilesaveas:另存为 q: "
        "munfileexit:退出",
        "编辑=muneditadd:加入 muneditdelete:删除 w: muneditgoon:上移 muneditgodown:下移 e: "
        "muneditselectall:全选 muneditselectunall:反选 muneditselectclear:清除 r: "
        "muneditremovemissing:删除无效项 muneditrelocate:重新定位…",
        "工具=muntoopfind:搜索本机",
        "帮助=munhelpzn:指南 munhelpfaq:FAQ yh: munhelpemail:给我发E_mail "
        "munhelpgoweb:访问我的网站 g: munhelpabut:关于"};
    QStringList shown;
    for (const QAction *menu : m_form->menuBar()->actions()) {
        QStringList items;
        for (const QAction *item : menu->menu()->actions()) {
            QVERIFY(item->shortcut().isEmpty());
            items << item->objectName() + ':' + (item->isSeparator() ? QString() : item->text());
        }
        shown << menu->text() + '=' + items.join(' ');
    }
    QCOMPARE(shown, menus);

    QTreeView *view = m_form->ListView1;
    QCOMPARE(view->geometry(), QRect(0, 0, 593, 337));
    QVERIFY(!view->isSortingEnabled() && !view->header()->sectionsClickable());
    QCOMPARE(view->selectionMode(), QAbstractItemView::SingleSelection);
    QStringList columns;
    for (int column = 0; column < PlaylistModel::ColumnCount; ++column) {
        const auto header = [&](int role) {
            return m_form->model().headerData(column, Qt::Horizontal, role);
        };
        const bool left = Qt::Alignment(header(Qt::TextAlignmentRole).toInt()) & Qt::AlignLeft;
        columns << QString("%1 %2 %3 %4")
                       .arg(header(PlaylistModel::ColumnKeyRole).toString(),
                            header(Qt::DisplayRole).toString())
                       .arg(view->header()->sectionSize(column))
                       .arg(left ? "left" : "centre");
    }
    QCOMPARE(columns,
             QStringList({"key1 文件名称 96 left", "key2 大小 93 centre", "key3 位置 203 centre",
                          "key4 类型 96 centre", "key5 创建时间 96 centre"}));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCOMPARE(m_form->centralWidget()->size(), QSize(624, 357 - 21));
    QCOMPARE(m_form->sb->height(), 21);
}

void TestFrmmain::addBuildsRowsInReverseOrder() {
    const QString first = makeFile("歌 1.mp3", "12345");
    m_form->saved = true;
    add({first});
    const FileDialogRequest request = m_fakes->fileDialog->openRequests.last();
    QCOMPARE(request.fileName, QString());
    QCOMPARE(request.filter, "All Files(*.*)|*.*");
    QCOMPARE(request.flags, 512);
    const PlaylistEntry &row = m_form->model().entry(0);
    QCOMPARE(QStringList({row.name, row.size, row.path, row.type}),
             QStringList({"歌 1.mp3", "5", first, "MP3 音频"}));
    QVERIFY(!row.created.isEmpty() && !row.checked);
    QVERIFY(!m_form->ListView1->selectionModel()->hasSelection());
    QVERIFY(!m_form->saved);
    QCOMPARE(rowCommands(), "yyy");

    // Every row of one run goes to the position after the rows the table held before it.
    const QStringList picked = {makeFile("A.MP3"), makeFile("B with blank.MP3"), makeFile("C.MP3")};
    add(picked);
    QCOMPARE(paths(), QStringList({first, picked[2], picked[1], picked[0]}));
    QCOMPARE(m_form->insertpos, 2);
    QCOMPARE(countPanel()->text(), "共有4个节目文件！");
}

void TestFrmmain::addSkipsListedPathsCaseSensitively() {
    const QString lower = makeFile("song.mp3");
    const QString upper = makeFile("SONG.mp3");
    add({lower});
    countPanel()->setText("stale");
    add({lower});
    QCOMPARE(paths(), QStringList{lower});
    QCOMPARE(countPanel()->text(), "共有1个节目文件！");

    add({upper, lower});
    QCOMPARE(paths(), QStringList({lower, upper}));
}

void TestFrmmain::addThatEndsEarly() {
    const QString first = makeFile("1.mp3");
    add({first});

    // Cancelled: only saved changes.
    m_form->saved = true;
    countPanel()->setText("unchanged");
    add({});
    QVERIFY(!m_form->saved);
    QCOMPARE(countPanel()->text(), "unchanged");
    QVERIFY(m_fakes->messageBoxes->shown.isEmpty());

    // Over the 260-byte selection buffer: one message, nothing added.
    QStringList many;
    for (int i = 0; i < 30; ++i)
        many << makeFile(QString("long file name %1.mp3").arg(i));
    add(many);
    QCOMPARE(paths(), QStringList{first});
    QCOMPARE(m_fakes->messageBoxes->shown.size(), 1);
    const ShownMessage message = m_fakes->messageBoxes->shown.first();
    QCOMPARE(message.text, "文件名太多，请部分加入后，再加入！");
    QCOMPARE(message.title, "Vantrel");
    QCOMPARE(message.icon, MessageIcon::None);

    // A name without a file ends the run silently; the rows before it stay, and the status
    // follows the table.
    const QString second = makeFile("2.mp3");
    add({second, m_dir->filePath("gone.mp3"), makeFile("3.mp3")});
    QCOMPARE(paths(), QStringList({first, second}));
    QCOMPARE(countPanel()->text(), "共有2个节目文件！");
    QCOMPARE(m_fakes->messageBoxes->shown.size(), 1);
}

void TestFrmmain::addStopsAtTheRowBound() {
    std::vector<PlaylistEntry> rows(MaxRows - 1);
    for (size_t row = 0; row < rows.size(); ++row)
        rows[row].path = QString("/nowhere/%1").arg(row);
    m_form->model().replaceEntries(std::move(rows));

    const QString kept = makeFile("kept.mp3");
    add({kept, makeFile("over.mp3"), kept});
    QCOMPARE(m_form->model().rowCount(), MaxRows);
    QCOMPARE(paths().last(), kept);
    QCOMPARE(countPanel()->text(), "共有32767个节目文件！");

    // A full table ends the command before the dialog opens.
    m_form->saved = true;
    m_form->findChild<QAction *>("muneditadd")->trigger();
    QCOMPARE(m_fakes->fileDialog->openRequests.size(), 1);
    QVERIFY(!m_form->saved);
}

void TestFrmmain::closingEndsOwnerlessWindows() {
    m_form->show();
    QWidget ownerless;
    ownerless.show();
    m_form->saved = true;
    QVERIFY(m_form->close());
    QVERIFY(!ownerless.isVisible());
}

QTEST_MAIN(TestFrmmain)
#include "tst_frmmain.moc"
