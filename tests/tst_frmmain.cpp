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

#include <memory>

// The playlist window from start-up through Add, driven with a scripted file dialog and real
// files in a temporary folder.
class TestFrmmain : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startupState();
    void menuBar();
    void tableLayout();
    void addOneFile();
    void addSeveralInReverseOrder();
    void addSkipsListedPathsCaseSensitively();
    void addCancelledOnlyClearsSaved();
    void addTooManyNamesShowsMessage();
    void addStopsAtMissingFileButCountFollows();
    void addStopsAtTheRowBound();
    void closingEndsOwnerlessWindows();

private:
    QString makeFile(const QString &name, const QByteArray &bytes = "data");
    QStringList pathColumn() const;
    QString countText() const;
    bool rowCommandsEnabled() const;
    void add(const QStringList &answer);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<frmmain> m_form;
    QAbstractItemModelTester *m_tester = nullptr;
};

void TestFrmmain::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_fakes = std::make_unique<FakePlatform>();
    m_form = std::make_unique<frmmain>(m_fakes->platform);
    m_tester = new QAbstractItemModelTester(
        &m_form->model(), QAbstractItemModelTester::FailureReportingMode::QtTest, m_form.get());
}

void TestFrmmain::cleanup() {
    m_form.reset();
    m_fakes.reset();
    m_dir.reset();
}

QString TestFrmmain::makeFile(const QString &name, const QByteArray &bytes) {
    QFile file(m_dir->filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot create the test file");
    return file.fileName();
}

QStringList TestFrmmain::pathColumn() const {
    QStringList paths;
    for (int row = 0; row < m_form->model().rowCount(); ++row)
        paths << m_form->model().entry(row).path;
    return paths;
}

QString TestFrmmain::countText() const {
    return m_form->findChild<QLabel *>("countPanel")->text();
}

bool TestFrmmain::rowCommandsEnabled() const {
    const bool enabled = m_form->muneditdelete->isEnabled();
    if (m_form->muneditgoon->isEnabled() != enabled ||
        m_form->muneditgodown->isEnabled() != enabled)
        qFatal("the row commands disagree");
    return enabled;
}

void TestFrmmain::add(const QStringList &answer) {
    m_fakes->fileDialog->openAnswers.push_back(answer);
    m_form->findChild<QAction *>("muneditadd")->trigger();
}

void TestFrmmain::startupState() {
    QCOMPARE(m_form->windowTitle(), "Vantrel V1.0 --- 新列表");
    QCOMPARE(m_form->listname, "新列表");
    QCOMPARE(m_form->insertpos, 0);
    QVERIFY(!m_form->saved);
    QCOMPARE(countText(), "共有0个节目文件！");
    QVERIFY(!rowCommandsEnabled());
    QCOMPARE(m_form->model().rowCount(), 0);

    m_form->setcaption("/tmp/a.m3u");
    QCOMPARE(m_form->windowTitle(), "VantrelV 1.0 --- /tmp/a.m3u");
}

void TestFrmmain::menuBar() {
    const QList<QPair<QString, QStringList>> expected = {
        {"文件",
         {"munfilenew:新建", "munfileopen:打开", "munfilesave:保存", "munfilesaveas:另存为",
          "q:", "munfileexit:退出"}},
        {"编辑",
         {"muneditadd:加入", "muneditdelete:删除", "w:", "muneditgoon:上移", "muneditgodown:下移",
          "e:", "muneditselectall:全选", "muneditselectunall:反选", "muneditselectclear:清除"}},
        {"工具", {"muntoopfind:搜索本机"}},
        {"帮助",
         {"munhelpzn:指南", "munhelpfaq:FAQ", "yh:", "munhelpemail:给我发E_mail",
          "munhelpgoweb:访问我的网站", "g:", "munhelpabut:关于"}},
    };
    const QList<QAction *> menus = m_form->menuBar()->actions();
    QCOMPARE(menus.size(), expected.size());
    for (qsizetype i = 0; i < menus.size(); ++i) {
        QCOMPARE(menus[i]->text(), expected[i].first);
        QStringList items;
        for (const QAction *item : menus[i]->menu()->actions()) {
            QVERIFY(item->shortcut().isEmpty());
            items << item->objectName() + ':' + (item->isSeparator() ? QString() : item->text());
        }
        QCOMPARE(items, expected[i].second);
    }
}

void TestFrmmain::tableLayout() {
    QTreeView *view = m_form->ListView1;
    QCOMPARE(view->objectName(), "ListView1");
    QCOMPARE(view->geometry(), QRect(0, 0, 593, 337));
    QVERIFY(!view->isSortingEnabled());
    QVERIFY(!view->header()->sectionsClickable());
    QCOMPARE(view->selectionMode(), QAbstractItemView::SingleSelection);

    const QStringList headers = {"文件名称", "大小", "位置", "类型", "创建时间"};
    const int widths[] = {96, 93, 203, 96, 96};
    const PlaylistModel &model = m_form->model();
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), headers[column]);
        QCOMPARE(model.headerData(column, Qt::Horizontal, PlaylistModel::ColumnKeyRole),
                 QString("key%1").arg(column + 1));
        QCOMPARE(view->header()->sectionSize(column), widths[column]);
        const Qt::Alignment horizontal =
            Qt::Alignment(model.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt()) &
            Qt::AlignHorizontal_Mask;
        QCOMPARE(horizontal, column == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
    }
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCOMPARE(m_form->sb->height(), 21);
    QCOMPARE(m_form->centralWidget()->width(), 624);
    QCOMPARE(m_form->centralWidget()->height() + m_form->sb->height(), 357);
}

void TestFrmmain::addOneFile() {
    const QString path = makeFile("歌 1.mp3", "12345");
    m_form->saved = true;
    add({path});

    const FileDialogRequest request = m_fakes->fileDialog->openRequests.last();
    QCOMPARE(request.fileName, QString());
    QCOMPARE(request.filter, "All Files(*.*)|*.*");
    QCOMPARE(request.flags, 512);

    QCOMPARE(m_form->model().rowCount(), 1);
    const PlaylistEntry &row = m_form->model().entry(0);
    QCOMPARE(row.name, "歌 1.mp3");
    QCOMPARE(row.size, "5");
    QCOMPARE(row.path, path);
    QCOMPARE(row.type, "MP3 音频");
    QVERIFY(!row.created.isEmpty());
    QVERIFY(!row.checked);
    QCOMPARE(m_form->model().index(0, 0).data(Qt::CheckStateRole), Qt::Unchecked);
    QVERIFY(!m_form->ListView1->selectionModel()->hasSelection());

    QVERIFY(!m_form->saved);
    QCOMPARE(m_form->insertpos, 1);
    QCOMPARE(countText(), "共有1个节目文件！");
    QVERIFY(rowCommandsEnabled());
}

void TestFrmmain::addSeveralInReverseOrder() {
    add({makeFile("x.mp3"), makeFile("y.mp3")});
    const QStringList picked = {makeFile("A.MP3"), makeFile("B with blank.MP3"), makeFile("C.MP3")};
    add(picked);

    QCOMPARE(pathColumn().mid(2), (QStringList{picked[2], picked[1], picked[0]}));
    QCOMPARE(pathColumn().first(), m_dir->filePath("y.mp3"));
    QCOMPARE(m_form->insertpos, 3);
    QCOMPARE(countText(), "共有5个节目文件！");
}

void TestFrmmain::addSkipsListedPathsCaseSensitively() {
    const QString lower = makeFile("song.mp3");
    const QString upper = makeFile("SONG.mp3");
    add({lower});
    m_form->findChild<QLabel *>("countPanel")->setText("stale");

    add({lower});
    QCOMPARE(pathColumn(), QStringList{lower});
    QCOMPARE(countText(), "共有1个节目文件！");

    add({upper, lower});
    QCOMPARE(pathColumn(), (QStringList{lower, upper}));
}

void TestFrmmain::addCancelledOnlyClearsSaved() {
    add({makeFile("a.mp3")});
    m_form->saved = true;
    m_form->findChild<QLabel *>("countPanel")->setText("unchanged");

    add({});
    QVERIFY(!m_form->saved);
    QCOMPARE(m_form->model().rowCount(), 1);
    QCOMPARE(countText(), "unchanged");
    QVERIFY(rowCommandsEnabled());
    QVERIFY(m_fakes->messageBoxes->shown.isEmpty());
}

void TestFrmmain::addTooManyNamesShowsMessage() {
    QStringList picked;
    for (int i = 0; i < 30; ++i)
        picked << makeFile(QString("long file name %1.mp3").arg(i));
    add(picked);

    QCOMPARE(m_form->model().rowCount(), 0);
    QCOMPARE(m_fakes->messageBoxes->shown.size(), 1);
    const ShownMessage message = m_fakes->messageBoxes->shown.first();
    QCOMPARE(message.text, "文件名太多，请部分加入后，再加入！");
    QCOMPARE(message.title, "Vantrel");
    QCOMPARE(message.icon, MessageIcon::None);
    QVERIFY(!message.question);
    QVERIFY(!m_form->saved);
}

void TestFrmmain::addStopsAtMissingFileButCountFollows() {
    const QString first = makeFile("1.mp3");
    const QString last = makeFile("3.mp3");
    add({first, m_dir->filePath("gone.mp3"), last});

    QCOMPARE(pathColumn(), QStringList{first});
    QCOMPARE(countText(), "共有1个节目文件！");
    QVERIFY(rowCommandsEnabled());
    QVERIFY(m_fakes->messageBoxes->shown.isEmpty());
}

void TestFrmmain::addStopsAtTheRowBound() {
    // The tester re-reads the whole model after every insert, too slow for a full table.
    delete m_tester;
    PlaylistModel &model = m_form->model();
    for (int row = 0; row < PlaylistModel::MaxRows - 1; ++row)
        model.insertEntry(row, PlaylistEntry{"n", "1", QString("/nowhere/%1").arg(row), "t", "c"});

    const QString kept = makeFile("kept.mp3");
    add({kept, makeFile("over.mp3"), kept});
    QCOMPARE(model.rowCount(), PlaylistModel::MaxRows);
    QCOMPARE(model.entry(PlaylistModel::MaxRows - 1).path, kept);
    QCOMPARE(countText(), "共有32767个节目文件！");

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
    QVERIFY(ownerless.isVisible());

    m_form->saved = true;
    QVERIFY(m_form->close());
    QVERIFY(!ownerless.isVisible());
}

QTEST_MAIN(TestFrmmain)
#include "tst_frmmain.moc"
