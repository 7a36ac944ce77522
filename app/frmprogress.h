#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include <functional>

class QLabel;
class QPushButton;
class frmmain;

// A long command of the main window that walks folders on the user-interface thread: once it has
// run for a moment, a small box over the window, modal to it, says how far it has got and offers
// 停止; events are pumped about once a frame, so the box answers while nothing else can change
// the table under the command. The busy pointer shows for the box's whole life.
class frmProgress : public QDialog {
    Q_OBJECT

public:
    // text gives the box's line for a count of things examined.
    frmProgress(frmmain &main, std::function<QString(int count)> text);
    ~frmProgress() override;

    // Called after each thing examined, with the count so far: whether the command goes on.
    bool carryOn(int count);
    bool stopped() const { return m_stopped; }

    QLabel *lblProgress = nullptr;
    QPushButton *cmdStop = nullptr;

protected:
    // Escape and the close box stop, as 停止 does.
    void reject() override;

private:
    frmmain &m_main;
    std::function<QString(int)> m_text;
    QElapsedTimer m_running;
    bool m_stopped = false;
};
