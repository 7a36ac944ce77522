#pragma once

#include <QObject>
#include <QTimer>

class PlaylistModel;
class QLabel;
class QStatusBar;

// The status bar's panels of what the tags tell: how far their reading has come while more
// than a moment is left, and the total time of the rows whose length is known.
class TagPanels : public QObject {
    Q_OBJECT

public:
    TagPanels(const PlaylistModel &model, QStatusBar *bar);

    QLabel *progressPanel() const { return m_progress; }
    QLabel *totalPanel() const { return m_total; }

private:
    void showProgress(int done, int total);
    void showTotal();

    const PlaylistModel &m_model;
    QLabel *m_progress;
    QLabel *m_total;
    // A batch of tags and an edit of many rows cost one count of the lengths, not one each.
    QTimer m_totalTimer;
};
