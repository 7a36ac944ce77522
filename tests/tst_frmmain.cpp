#include "playlistwindow.h"

#include "app/editcommands.h"

#include <QLineEdit>
#include <QMenu>
#include <QScreen>

// The window from start-up through Add, drops and shortcuts, with a scripted file dialog and
// real files in a temporary folder.
using Window = PlaylistWindow;

class TestFrmmain : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startupState() {
        Window w;
        QCOMPARE(w.form.windowTitle(), "Vantrel V1.0 --- 新列表");
        QCOMPARE(w.form.listname, "新列表");
        QVERIFY(w.form.insertpos == 0 && !w.form.saved());
        QCOMPARE(w.countText(), "共有0个节目文件！");
    }

    // The table takes the window's room, the toolbar column stays at its right edge, and the
    // next run opens the window as this one left it.
    void tableFillsTheWindow_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("first run: the described size") << QSize() << false;
        QTest::newRow("1280 by 1024") << QSize(1280, 1024) << false;
        QTest::newRow("maximised") << QSize() << true;
    }

    void tableFillsTheWindow() {
        QFETCH(QSize, size);
        QFETCH(bool, maximised);
        Window w;
        QVERIFY(w.show());
        if (size.isValid())
            w.form.resize(size);
        if (maximised)
            w.form.showMaximized();
        if (maximised)
            QTRY_COMPARE(w.form.frameGeometry().width(),
                         w.form.screen()->availableGeometry().width());
        const QWidget *client = w.form.centralWidget();
        const QWidget *column = w.form.findChild<QWidget *>("toolbarColumn");
        // The filter field above the table, as wide as it.
        const int top = w.form.findChild<QWidget *>("filterField")->sizeHint().height() + 3;
        QTRY_COMPARE(w.form.ListView1->geometry(),
                     QRect(0, top, client->width() - 31, client->height() - top));
        QCOMPARE(w.form.findChild<QWidget *>("filterField")->geometry(),
                 QRect(0, 0, client->width() - 31, top - 3));
        QCOMPARE(column->geometry(), QRect(client->width() - 28, 0, 28, client->height()));
        if (!maximised)
            QCOMPARE(w.form.ListView1->width(), size.isValid() ? size.width() - 31 : 593);

        w.fakes.messageBoxes->answers = {MessageAnswer::No};
        const QSize left = w.form.size();
        QVERIFY(w.form.close());
        Window next({}, w.fakes.settings->values);
        QCOMPARE(next.form.windowState().testFlag(Qt::WindowMaximized), maximised);
        QVERIFY(next.show());
        QTRY_COMPARE(next.form.size(), left);
    }

    void addBuildsRowsInReverseOrder() {
        Window w;
        const QString first = w.make("歌 1.mp3");
        w.form.listSaved(w.form.listname);
        w.add({first});
        QCOMPARE(w.fakes.fileDialog->openRequests.last().flags, CommonDialog::AllowMultiSelect);
        QVERIFY(!w.form.model().entry(0).checked && !w.form.saved());
        QVERIFY(w.item("muneditdelete")->isEnabled());

        // Every row of one run goes to the position after the rows the table held before it;
        // a path already listed is skipped, and only when it matches in case too.
        w.add({w.dir.filePath("loose.mp3"), w.make("Loose.mp3"), first, w.make("B b.MP3")});
        QCOMPARE(w.names(), QStringList({"歌 1.mp3", "B b.MP3", "Loose.mp3", "loose.mp3"}));
        QCOMPARE(w.form.insertpos, 2);
        QCOMPARE(w.countText(), "共有4个节目文件！");

        // Cancelled: only saved changes. A name without a file ends the run silently; the rows
        // before it stay, and the status follows the table.
        w.form.listSaved(w.form.listname);
        w.add({});
        QVERIFY(!w.form.saved());
        w.add({w.dir.filePath("notes.txt"), w.dir.filePath("gone.mp3"), w.make("3.mp3")});
        QCOMPARE(w.names().last(), "notes.txt");
        QCOMPARE(w.countText(), "共有5个节目文件！");
        QVERIFY(w.messages().isEmpty());
    }

    void addUpToTheRowBound_data() {
        QTest::addColumn<int>("spare");
        QTest::addColumn<int>("picked");
        QTest::addColumn<bool>("oneListed");
        QTest::addColumn<bool>("lastTwice");
        QTest::addColumn<int>("added");
        QTest::newRow("fits exactly") << 3 << 3 << false << false << 3;
        QTest::newRow("one too many: refused with a message") << 2 << 3 << false << false << 0;
        QTest::newRow("a listed file takes no room") << 2 << 3 << true << false << 2;
        QTest::newRow("a file picked twice takes one place") << 2 << 3 << false << true << 2;
        QTest::newRow("a thousand at once") << MaxRows << 1000 << false << false << 1000;
    }

    void addUpToTheRowBound() {
        QFETCH(int, spare);
        QFETCH(int, picked);
        QFETCH(bool, oneListed);
        QFETCH(bool, lastTwice);
        QFETCH(int, added);
        Window w;
        w.load(MaxRows - spare - (oneListed ? 1 : 0));
        QStringList files{w.dir.filePath("loose.mp3")};
        while (files.size() < picked)
            files << w.make(u"节目 %1.mp3"_s.arg(files.size()));
        if (lastTwice)
            files.last() = files[files.size() - 2];
        if (oneListed)
            w.add({files[0]});
        w.add(files);
        QCOMPARE(w.form.model().rowCount(), MaxRows - spare + added);
        if (added > 0) // in the reverse of the dialog's order
            QCOMPARE(w.form.model().entry(MaxRows - spare).path, files.last());
        QCOMPARE(w.messages(),
                 added > 0 ? QStringList() : QStringList{"文件名太多，请部分加入后，再加入！"});

        // A full table ends the command before the dialog opens, and says so.
        w.load(MaxRows);
        w.fakes.messageBoxes->shown.clear();
        w.item("muneditadd")->trigger();
        QVERIFY(w.fakes.fileDialog->openAnswers.empty() && !w.form.saved());
        QCOMPARE(w.messages(), QStringList{"文件名太多，请部分加入后，再加入！"});
    }

    void drop_data() {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<int>("onRow");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("messages");
        const auto row = [](const char *name, const QStringList &dropped, int onRow,
                            const QStringList &rows, const QStringList &messages = {}) {
            QTest::newRow(name) << dropped << onRow << rows << messages;
        };
        row("files in front of a row", {"loose.mp3", "notes.txt"}, 1,
            {"x1", "loose.mp3", "notes.txt", "x2"});
        row("a folder: its media, natural order, files before subfolders", {"album"}, -1,
            {"x1", "x2", "Track 1.flac", "track 2.ogg", "Track 10.mp3", "a.wav", "b.mp4"});
        row("a playlist's entries, missing and streams too; each file once",
            {"list.m3u", "loose.mp3", "album/sub"}, 0,
            {"loose.mp3", "Track 1.flac", "gone.mp3", "live", "a.wav", "b.mp4", "x1", "x2"});
        row("a playlist that cannot be read", {"bad.pls", "loose.mp3"}, -1,
            {"x1", "x2", "loose.mp3"}, {"此文件不是有效的PLS文件！"});
    }

    void drop() {
        QFETCH(QStringList, dropped);
        QFETCH(int, onRow);
        Window w;
        w.load(2);
        QVERIFY(w.show());
        // Never a move: the file manager would delete the files.
        QCOMPARE(w.dropFiles(dropped, onRow), Qt::CopyAction);
        QTEST(w.names(), "rows");
        QCOMPARE(w.countText(), u"共有%1个节目文件！"_s.arg(w.form.model().rowCount()));
        QVERIFY(!w.form.saved() && w.form.edited());
        QTEST(w.messages(), "messages");
    }

    // "%00" ends a name for the system, not for the URI: the path names no file.
    void dropOfANulNamesNothing() {
        Window w;
        w.load(2);
        QVERIFY(w.show());
        QMimeData data;
        data.setUrls({QUrl(u"file://"_s + w.dir.filePath("loose.mp3") + "%00/../notes.txt")});
        w.drop(&data, w.rowPoint(-1));
        QCOMPARE(w.names(), (QStringList{"x1", "x2"}));
    }

    void dropPastTheRowBound() {
        Window w;
        w.load(MaxRows - 4);
        QVERIFY(w.show());
        w.dropFiles({"album"}, -1);
        QCOMPARE(w.form.model().rowCount(), MaxRows - 4);
        QCOMPARE(w.messages(), QStringList{"文件名太多，请部分加入后，再加入！"});
        QVERIFY(w.form.saved());
    }

    void shortcuts_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("item");
        const auto row = [](QKeyCombination keys, const char *item) {
            QTest::newRow(item) << QKeySequence(keys) << QString(item);
        };
        row(Qt::CTRL | Qt::Key_N, "munfilenew");
        row(Qt::CTRL | Qt::Key_O, "munfileopen");
        row(Qt::CTRL | Qt::Key_S, "munfilesave");
        row(Qt::CTRL | Qt::SHIFT | Qt::Key_S, "munfilesaveas");
        row(Qt::CTRL | Qt::Key_Q, "munfileexit");
        row(Qt::CTRL | Qt::Key_Z, "muneditundo");
        row(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "muneditredo");
        QTest::newRow("muneditredo, Ctrl+Y") << QKeySequence(Qt::CTRL | Qt::Key_Y) << "muneditredo";
        row(Qt::Key_Delete, "muneditdelete");
        row(Qt::ALT | Qt::Key_Up, "muneditgoon");
        row(Qt::ALT | Qt::Key_Down, "muneditgodown");
        row(Qt::Key_F1, "munhelpzn");
        row(Qt::CTRL | Qt::Key_F, "findShortcut");
    }

    void shortcuts() {
        QFETCH(QKeySequence, keys);
        Window w;
        w.load(2, {}, 2);
        w.item("muneditselectall")->trigger();
        w.item("muneditselectunall")->trigger();
        w.item("muneditundo")->trigger();
        w.fakes.fileDialog->openAnswers.push_back({});
        w.fakes.fileDialog->saveAnswers.push_back({});
        w.form.show();
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QStringList ran;
        for (QAction *action : w.form.findChildren<QAction *>())
            connect(action, &QAction::triggered, [&ran, action] { ran << action->objectName(); });
        QTest::keySequence(&w.form, keys);
        QTEST(ran.join(' '), "item");
    }

    // Tags fill their cells as they arrive; a stream shows its list title as its name; the
    // total counts what is known.
    void tagColumns() {
        const QString data = QStringLiteral(VANTREL_TEST_DATA "/");
        Window w;
        PlaylistEntry stream{u"live"_s, {}, u"http://radio.example/live"_s, {}, {}};
        stream.kind = PlaylistEntry::Kind::Address;
        stream.title = u"Radio One"_s;
        PlaylistEntry titled{u"tagged.mp3"_s, {}, data + "tagged.mp3", {}, {}};
        titled.title = u"From the list"_s;
        w.load({{u"tagged.flac"_s, {}, data + "tagged.flac", {}, {}},
                titled,
                stream,
                {u"tagged.ogg"_s, {}, data + "tagged.ogg", {}, {}}});
        QVERIFY(w.show());
        // A filter set before the tags come finds them once they have.
        auto *filter = w.form.findChild<QLineEdit *>(u"filterField"_s);
        filter->setText(u"zjl"_s);
        const PlaylistModel &model = w.form.model();
        const auto column = [&model](int c) {
            QStringList cells;
            for (int row = 0; row < model.rowCount(); ++row)
                cells << model.index(row, c).data().toString();
            return cells;
        };
        QTRY_COMPARE(column(PlaylistModel::LengthColumn),
                     QStringList({"0:03", "0:02", "", "0:02"}));
        QCOMPARE(column(PlaylistModel::TitleColumn),
                 QStringList({"夜曲", "From the list", "Radio One", "Ogg Title"}));
        QCOMPARE(column(PlaylistModel::ArtistColumn),
                 QStringList({"周杰伦", "王菲", "", "Vorbis Artist"}));
        QCOMPARE(column(PlaylistModel::TrackColumn), QStringList({"1", "3", "", "12"}));
        QCOMPARE(column(PlaylistModel::NameColumn).value(2), u"Radio One"_s);
        auto *total = w.form.findChild<QLabel *>(u"totalPanel"_s);
        QTRY_COMPARE(total->text(), u"总时长：至少0:07"_s);
        QVERIFY(w.form.saved() && !w.form.edited());

        // Artist, album and title, the tags' or the list's.
        const std::pair<QString, QString> found[] = {{u"zjl"_s, u"tagged.flac"_s},
                                                     {u"xiaobang"_s, u"tagged.flac"_s},
                                                     {u"From THE"_s, u"tagged.mp3"_s},
                                                     {u"wf"_s, u"tagged.mp3"_s},
                                                     {u"vorbis"_s, u"tagged.ogg"_s}};
        for (const auto &[typed, name] : found) {
            filter->setText(typed);
            QStringList shown;
            for (int row = 0; row < model.rowCount(); ++row) {
                if (!w.form.ListView1->isRowHidden(row, {}))
                    shown << model.entry(row).name;
            }
            QCOMPARE(shown, QStringList{name});
        }
        filter->clear();

        // Track numbers by number, unknown first; undo puts the order back.
        sortRows(w.form, PlaylistModel::TrackColumn, Qt::AscendingOrder);
        QCOMPARE(column(PlaylistModel::TrackColumn), QStringList({"", "1", "3", "12"}));
        w.item("muneditundo")->trigger();
        QCOMPARE(column(PlaylistModel::TrackColumn), QStringList({"1", "3", "", "12"}));

        // Title and length show at first; the header's menu shows the others, remembered.
        QHeaderView *header = w.form.ListView1->header();
        QCOMPARE(header->hiddenSectionCount(), 3);
        QVERIFY(header->isSectionHidden(PlaylistModel::ArtistColumn));
        Q_EMIT header->customContextMenuRequested({10, 5});
        auto *menu = w.form.ListView1->findChild<QMenu *>(u"columnMenu"_s);
        QVERIFY(menu && menu->actions().size() == PlaylistModel::ColumnCount);
        menu->actions().at(PlaylistModel::ArtistColumn)->trigger();
        QVERIFY(!header->isSectionHidden(PlaylistModel::ArtistColumn));
        QCOMPARE(w.fakes.settings->value(u"table/hiddenColumns"_s).toList(),
                 QVariantList({PlaylistModel::AlbumColumn, PlaylistModel::TrackColumn}));
    }
};

QTEST_MAIN(TestFrmmain)
#include "tst_frmmain.moc"
