#pragma once

#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The playlist window on fakes, its model watched by the model tester, over a folder of files:
// loose files, playlists (one with a missing file and a stream), and an album of many types with
// hidden names, a playlist, a name that is not UTF-8, a subfolder and a link to a folder elsewhere.
// Or over a folder that the test fills itself.
struct PlaylistWindow {
    QTemporaryDir temporary;
    QDir dir;
    FakePlatform fakes;
    frmmain form{fakes.platform};
    QAbstractItemModelTester tester{&form.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};

    explicit PlaylistWindow(const QString &folder = {}, const QVariantMap &settings = {})
        : dir(folder.isEmpty() ? temporary.path() : folder)
        , fakes(settings) {
        if (!folder.isEmpty())
            return;
        for (const char *name :
             {"loose.mp3", "notes.txt", "album/Track 10.mp3", "album/track 2.ogg",
              "album/Track 1.flac", "album/cover.jpg", "album/.hidden.mp3", "album/list.m3u",
              "album/sub/b.mp4", "album/sub/a.wav", "album/.cache/x.mp3", "elsewhere/z.mp3"})
            make(name);
        make("list.m3u", "loose.mp3\nalbum/Track 1.flac\ngone.mp3\nhttp://radio.example/live\n");
        make("bad.pls", "no header");
        QFile::link(dir.filePath("elsewhere"), dir.filePath("album/linked"));
        ::close(::open(latin1Name(), O_CREAT, 0644));
    }
    // Qt cannot remove that name, and so neither the folder.
    ~PlaylistWindow() { ::unlink(latin1Name()); }
    // Byte 0xE9 alone, as a Latin-1 system names "é".
    QByteArray latin1Name() const { return QFile::encodeName(dir.filePath("album")) + "/\xe9.mp3"; }
    QString make(const QString &name, const QByteArray &bytes = "data") {
        QDir().mkpath(QFileInfo(dir.filePath(name)).path());
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot create the test file");
        return file.fileName();
    }
    QByteArray read(const QString &name) const {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
    }
    // Rows as Open loads them (a fresh history, the list not yet changed), then marked saved.
    void load(std::vector<PlaylistEntry> rows, int current = 0) {
        form.model().replaceEntries(std::move(rows));
        if (current > 0)
            form.selectRow(current - 1);
        form.updaterowcommands();
        form.showcount();
        form.listSaved(form.listname);
    }
    // Rows x1 to xN that name no file; the listed 1-based rows checked.
    void load(int rows, const QList<int> &checked = {}, int current = 0) {
        std::vector<PlaylistEntry> entries;
        for (int n = 1; n <= rows; ++n)
            entries.push_back(
                {u"x%1"_s.arg(n), {}, u"/nowhere/x%1"_s.arg(n), {}, {}, checked.contains(n)});
        load(std::move(entries), current);
    }
    QStringList names(bool checkedOnly = false) const {
        QStringList result;
        for (int row = 0; row < form.model().rowCount(); ++row) {
            if (!checkedOnly || form.model().entry(row).checked)
                result << form.model().entry(row).name;
        }
        return result;
    }
    // The selected row's name; the view's current row must be the same one.
    QString current() const {
        const int row = form.currentRow();
        if (row >= 0 && form.ListView1->currentIndex().row() != row)
            return u"(the view disagrees)"_s;
        return row < 0 ? QString() : form.model().entry(row).name;
    }
    bool show() {
        form.show();
        return QTest::qWaitForWindowExposed(&form);
    }
    QAction *item(const char *name) const { return form.findChild<QAction *>(name); }
    QString countText() const { return form.findChild<QLabel *>("countPanel")->text(); }
    QStringList messages() const {
        QStringList texts;
        for (const ShownMessage &message : std::as_const(fakes.messageBoxes->shown))
            texts << message.text;
        return texts;
    }
    void add(const QStringList &picked) {
        fakes.fileDialog->openAnswers.push_back(picked);
        item("muneditadd")->trigger();
    }
    // Opens a file of the folder, or any by its absolute path.
    void open(const QString &name) {
        fakes.fileDialog->openAnswers.push_back({dir.filePath(name)});
        item("munfileopen")->trigger();
    }
    void clickHeader(int column) {
        QHeaderView *header = form.ListView1->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          {header->sectionViewportPosition(column) + 10, 5});
    }
    // A point in the upper or lower half of a row; below the rows for -1.
    QPoint rowPoint(int row, bool lower = false) const {
        if (row < 0)
            return {50, form.ListView1->viewport()->height() - 5};
        const QRect rect = form.ListView1->visualRect(form.model().index(row, 2));
        return rect.center() + QPoint(0, lower ? 3 : -3);
    }
    // A drag over the table and a drop, as the window system delivers them; the action taken.
    Qt::DropAction drop(const QMimeData *data, QPoint at) {
        QWidget *viewport = form.ListView1->viewport();
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, offered, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(at, offered, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &move);
        QDropEvent drop(at, offered, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }
    Qt::DropAction dropFiles(const QStringList &names, int onRow) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << QUrl::fromLocalFile(dir.filePath(name));
        data.setUrls(urls);
        return drop(&data, rowPoint(onRow));
    }
    Qt::DropAction dragRow(int from, QPoint at) {
        const std::unique_ptr<QMimeData> data(form.model().mimeData({form.model().index(from, 0)}));
        return drop(data.get(), at);
    }
};
