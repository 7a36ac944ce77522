#pragma once

#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"

#include <QAbstractItemModelTester>
#include <QTreeView>

// The window over fake services, its model watched by the model tester.
struct Window {
    FakePlatform fakes;
    frmmain form{fakes.platform};
    QAbstractItemModelTester tester{&form.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};

    // Rows put straight into the table, one a character, '.' unchecked, 'x' checked; '*' selects
    // the row before it. Row N holds "fN" in all five cells. Row commands and count follow.
    explicit Window(const QString &pattern) {
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

    // The rows as "f1 f3x* f2": 'x' checked, '*' selected, '<' the view's current row where it
    // is not the selected one, '?' cells taken from different rows.
    QString rows() const {
        QStringList result;
        for (int r = 0; r < form.model().rowCount(); ++r) {
            const PlaylistEntry &e = form.model().entry(r);
            const bool whole = QStringList{e.size, e.path, e.type, e.created}.count(e.name) == 4;
            const bool selected = form.ListView1->selectionModel()->isRowSelected(r);
            result << e.name + (whole ? "" : "?") + (e.checked ? "x" : "") + (selected ? "*" : "") +
                          (selected == (form.ListView1->currentIndex().row() == r) ? "" : "<");
        }
        return result.join(' ');
    }
};
