// Times the edit commands on a full table of 32,767 rows, shown in the window, against the
// time it takes to fill that table in the same run.
#include "app/editcommands.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "platform/platform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <cstdio>
#include <functional>

namespace {

// Runs the step and the event loop's pending work (layout, painting), in milliseconds.
double timed(const std::function<void()> &step) {
    QElapsedTimer timer;
    timer.start();
    step();
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Appended as one step of the history, as a scan appends its finds.
void fill(frmmain &form, int count) {
    PlaylistModel &model = form.model();
    model.beginGroupedChange();
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("track%1.mp3").arg(i);
        model.insertEntry(model.rowCount(),
                          {name, QString::number(4000000 + i), QStringLiteral("/music/") + name,
                           QStringLiteral("MP3 音频"), QStringLiteral("2024/5/1 12:00:00")});
    }
    model.endGroupedChange();
    form.updaterowcommands();
    form.showcount();
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    Platform platform = desktopPlatform();
    frmmain form(platform);
    form.show();
    QApplication::processEvents();

    const auto run = [&form](const char *item) {
        form.findChild<QAction *>(QLatin1String(item))->trigger();
    };
    const double baseline = timed([&form] { fill(form, MaxRows); });
    std::printf("fill 32767 rows (baseline)     %8.2f ms\n", baseline);

    const auto report = [baseline](const char *what, double ms) {
        std::printf("%-30s %8.2f ms  %6.3f x baseline\n", what, ms, ms / baseline);
    };
    // One keystroke in the filter field each: no row has a z; "track1" leaves 11,111 rows and
    // "track12" 1,111 of them. The first one makes every row's key.
    auto *filter = form.findChild<QLineEdit *>(QStringLiteral("filterField"));
    const auto type = [filter](const char *text) {
        return timed([filter, text] { filter->setText(QLatin1String(text)); });
    };
    report("filter: first key hides all", type("z"));
    report("filter: cleared, every row", type(""));
    report("filter: a key hides all", type("z"));
    type("track1");
    report("filter: next key, 1111 stay", type("track12"));
    report("filter: cleared from 1111", type(""));

    report("select all", timed([&run] { run("muneditselectall"); }));
    report("invert", timed([&run] { run("muneditselectunall"); }));
    report("clear", timed([&run] { run("muneditselectclear"); }));

    form.selectRow(MaxRows / 2);
    report("move up (middle row)", timed([&run] { run("muneditgoon"); }));
    report("move down (middle row)", timed([&run] { run("muneditgodown"); }));

    report("undo move down", timed([&run] { run("muneditundo"); }));

    // A block of 1,000 rows in the middle, then 100 rows spread over the table.
    const auto select = [&form](int count, int first, int step) {
        std::vector<int> rows;
        for (int row = 0; row < count; ++row)
            rows.push_back(first + row * step);
        form.selectRows(rows);
        QApplication::processEvents();
    };
    select(1000, MaxRows / 2, 1);
    report("move a block of 1000 rows up", timed([&run] { run("muneditgoon"); }));
    report("move it to the top", timed([&run] { run("muneditgotop"); }));
    select(100, 1, MaxRows / 100);
    report("move 100 rows spread out up", timed([&run] { run("muneditgoon"); }));
    form.selectRow(0);
    report("shuffle every row", timed([&run] { run("muneditshuffle"); }));
    report("undo shuffle", timed([&run] { run("muneditundo"); }));

    report("sort by name",
           timed([&form] { sortRows(form, PlaylistModel::NameColumn, Qt::DescendingOrder); }));
    report("sort by size",
           timed([&form] { sortRows(form, PlaylistModel::SizeColumn, Qt::AscendingOrder); }));
    report("undo sort", timed([&run] { run("muneditundo"); }));

    // Every other row checked: the most separate runs of rows to remove.
    PlaylistModel &model = form.model();
    for (int row = 0; row < model.rowCount(); row += 2)
        model.setData(model.index(row, PlaylistModel::NameColumn), Qt::Checked, Qt::CheckStateRole);
    QApplication::processEvents();
    report("delete every other row", timed([&run] { run("muneditdelete"); }));
    report("undo delete", timed([&run] { run("muneditundo"); }));
    report("redo delete", timed([&run] { run("muneditredo"); }));

    run("muneditselectall");
    QApplication::processEvents();
    report("delete all remaining rows", timed([&run] { run("muneditdelete"); }));
    return model.rowCount() == 0 ? 0 : 1;
}
