#pragma once

#include "app/frmmain.h"
#include "app/playlistmodel.h"

#include <QAction>
#include <QStringList>

// Rows f1…fn with distinct texts in every cell, put straight into the table, with the row
// commands and the count message brought up to date as Add would.
inline void addRows(frmmain &form, int count) {
    PlaylistModel &model = form.model();
    for (int i = 1; i <= count; ++i) {
        const QString name = QStringLiteral("f%1.mp3").arg(i);
        model.insertEntry(model.rowCount(),
                          {name, QString::number(i * 100), QStringLiteral("/music/") + name,
                           QStringLiteral("type %1").arg(i), QStringLiteral("2024/1/%1").arg(i)});
    }
    form.updaterowcommands();
    form.showcount();
}

// The check marks given as a pattern, one character a row: 'x' checked, '.' not.
inline void setChecks(frmmain &form, const QString &pattern) {
    PlaylistModel &model = form.model();
    for (int row = 0; row < pattern.size(); ++row)
        model.setData(model.index(row, PlaylistModel::NameColumn),
                      pattern[row] == QLatin1Char('x') ? Qt::Checked : Qt::Unchecked,
                      Qt::CheckStateRole);
}

inline QString checks(const frmmain &form) {
    QString pattern;
    for (int row = 0; row < form.model().rowCount(); ++row)
        pattern += form.model().entry(row).checked ? QLatin1Char('x') : QLatin1Char('.');
    return pattern;
}

// Row names without their extension, joined: "f1 f3 f2".
inline QString names(const frmmain &form) {
    QStringList result;
    for (int row = 0; row < form.model().rowCount(); ++row)
        result << form.model().entry(row).name.chopped(4);
    return result.join(QLatin1Char(' '));
}

inline QAction *menuItem(const frmmain &form, const char *name) {
    return form.findChild<QAction *>(QLatin1String(name));
}
