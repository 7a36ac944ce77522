#include "app/filterfield.h"

#include <QKeyEvent>

FilterField::FilterField(QWidget *parent)
    : QLineEdit(parent) {
    setObjectName(QStringLiteral("filterField"));
    setPlaceholderText(QStringLiteral("筛选"));
    setAccessibleName(QStringLiteral("筛选"));
    setClearButtonEnabled(true);
}

void FilterField::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        !text().isEmpty()) {
        clear();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FilterField::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    Q_EMIT focused();
}
