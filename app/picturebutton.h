#pragma once

#include <QPixmap>
#include <QWidget>

// A picture that acts as a button: it reports mouse moves and presses over it and left clicks,
// and draws nothing but its picture, scaled to fill it. An unavailable button lets the mouse
// through to what lies beneath and keeps its picture as it is.
class PictureButton : public QWidget {
    Q_OBJECT

public:
    PictureButton(const QPixmap &picture, QWidget *parent);

    void setAvailable(bool available);

Q_SIGNALS:
    void hovered();
    void pressed();
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    bool m_leftDown = false;
};
