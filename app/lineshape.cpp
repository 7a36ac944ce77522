#include "app/lineshape.h"

#include <QPainter>

LineShape::LineShape(QPalette::ColorRole role, QWidget *parent)
    : QWidget(parent)
    , m_role(role) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::setColor(const QColor &color) {
    if (color == m_color)
        return;
    m_color = color;
    update();
}

QColor LineShape::color() const {
    return m_color.isValid() ? m_color : palette().color(m_role);
}

void LineShape::paintEvent(QPaintEvent *) {
    QPainter(this).fillRect(rect(), color());
}
