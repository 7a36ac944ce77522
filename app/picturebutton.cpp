#include "app/picturebutton.h"

#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(const QPixmap &picture, QWidget *parent)
    : QWidget(parent)
    , m_picture(picture) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setAvailable(bool available) {
    setAttribute(Qt::WA_TransparentForMouseEvents, !available);
    if (!available)
        m_leftDown = false;
}

void PictureButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_picture);
}

void PictureButton::mouseMoveEvent(QMouseEvent *event) {
    // While a button is held the moves keep coming here even off the picture; only the ones
    // over it count.
    if (rect().contains(event->position().toPoint()))
        Q_EMIT hovered();
}

void PictureButton::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        m_leftDown = true;
    Q_EMIT pressed();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !m_leftDown)
        return;
    m_leftDown = false;
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
