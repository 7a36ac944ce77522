#pragma once

#include <QColor>
#include <QWidget>

// A thin line drawn as a filled strip, in a fixed colour or, without one, in a colour of the
// palette so that it follows the user's colour scheme. It takes no mouse events.
class LineShape : public QWidget {
    Q_OBJECT

public:
    LineShape(QPalette::ColorRole role, QWidget *parent);

    // An invalid colour returns the line to its palette colour.
    void setColor(const QColor &color);
    // The colour the line is drawn in now.
    QColor color() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPalette::ColorRole m_role;
    QColor m_color;
};
