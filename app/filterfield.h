#pragma once

#include <QLineEdit>

// The field above the table in which the user types what the rows shown must hold (筛选). Esc
// empties it, which shows every row again.
class FilterField : public QLineEdit {
    Q_OBJECT

public:
    explicit FilterField(QWidget *parent);

Q_SIGNALS:
    // The field has the focus: a text is likely to follow.
    void focused();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
};
