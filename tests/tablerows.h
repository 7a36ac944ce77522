#pragma once

#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"

#include <QAbstractItemModelTester>
#include <QAction>

// The window over fake services, its model watched by the model tester.
struct Window {
    FakePlatform fakes;
    frmmain form{fakes.platform};
    QAbstractItemModelTester tester{&form.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};

    // Appends a row a character, '.' unchecked, 'x' checked; '*' makes the row before it
    // current. Row N holds "fN" in all five cells. Row commands and count follow, as after Add.
    void addRows(const QString &pattern) {
        PlaylistModel &model = form.model();
        for (const QChar c : pattern) {
            const QString name = QString("f%1").arg(model.rowCount() + 1);
            if (c == '*')
                form.selectRow(model.rowCount() - 1);
            else
                model.insertEntry(model.rowCount(), {name, name, name, name, name, c == 'x'});
        }
        form.updaterowcommands();
        form.showcount();
    }

    // The rows as "f1 f3x* f2": 'x' checked, '*' current, '?' cells taken from different rows.
    QString rows() const {
        QStringList result;
        for (int r = 0; r < form.model().rowCount(); ++r) {
            const PlaylistEntry &e = form.model().entry(r);
            const bool whole = QStringList{e.size, e.path, e.type, e.created}.count(e.name) == 4;
            result << e.name + (whole ? "" : "?") + (e.checked ? "x" : "") +
                          (r == form.currentRow() ? "*" : "");
        }
        return result.join(' ');
    }

    QAction *item(const QString &name) const { return form.findChild<QAction *>(name); }
};
