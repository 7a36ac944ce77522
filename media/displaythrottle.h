#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>

class QAbstractItemView;
class QWidget;

// While a command runs the event pump after every small step, the widgets it changes would
// otherwise lay out and paint once per step. For as long as this object lives, they do so at
// most once per frame (about 30 a second): their updates are off except during the first pump of
// each frame, and the item view's delayed relayout (its timer) waits for that pump too. Every
// change stays visible to the program at once; only what reaches the screen is paced.
// Pass the changing widgets, not their windows: under X11 a window whose updates were turned
// off and on again does not repaint its children.
class DisplayThrottle : public QObject {
public:
    DisplayThrottle(const QList<QWidget *> &widgets, QAbstractItemView *view);
    ~DisplayThrottle() override;

    // To be called before each pump: lets this pump draw when a frame is due.
    void beforePump();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setDrawing(bool drawing);

    QList<QPointer<QWidget>> m_widgets;
    QPointer<QAbstractItemView> m_view;
    QElapsedTimer m_frameClock;
    bool m_drawing = true;
};
