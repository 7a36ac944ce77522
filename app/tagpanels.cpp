#include "app/tagpanels.h"

#include "app/apptexts.h"
#include "app/playlistmodel.h"
#include "media/tagloader.h"

#include <QLabel>
#include <QStatusBar>

TagPanels::TagPanels(const PlaylistModel &model, QStatusBar *bar)
    : QObject(bar)
    , m_model(model)
    , m_progress(new QLabel(bar))
    , m_total(new QLabel(bar)) {
    m_progress->setObjectName(QStringLiteral("tagsPanel"));
    m_total->setObjectName(QStringLiteral("totalPanel"));
    m_progress->hide();
    bar->addPermanentWidget(m_progress);
    bar->addPermanentWidget(m_total);

    m_totalTimer.setSingleShot(true);
    m_totalTimer.setInterval(0);
    connect(&m_totalTimer, &QTimer::timeout, this, &TagPanels::showTotal);
    const auto countAgain = [this] { m_totalTimer.start(); };
    connect(&model, &PlaylistModel::rowsChanged, this, countAgain);
    connect(&model, &QAbstractItemModel::dataChanged, this, countAgain);

    const TagLoader &loader = model.tagLoader();
    connect(&loader, &TagLoader::progressChanged, this, &TagPanels::showProgress);
    connect(&loader, &TagLoader::finished, m_progress, &QLabel::hide);
}

// The first batch comes a moment after the reading starts: a reading that ends with it never
// shows.
void TagPanels::showProgress(int done, int total) {
    m_progress->setText(AppTexts::readingTags(done, total));
    m_progress->setVisible(done < total);
}

void TagPanels::showTotal() {
    qint64 seconds = 0;
    int known = 0;
    for (int row = 0; row < m_model.rowCount(); ++row) {
        if (const int length = m_model.lengthOf(row); length >= 0) {
            seconds += length;
            ++known;
        }
    }
    m_total->setText(AppTexts::totalLength(seconds, known, m_model.rowCount() - known));
}
