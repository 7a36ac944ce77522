#include "app/frmprogress.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "media/mediatexts.h"
#include "platform/platform.h"

#include <QLabel>
#include <QPushButton>

namespace {

// Sizes at 96 dots per inch.
constexpr QSize ClientSize(360, 84);
constexpr QRect TextGeometry(12, 12, 336, 20);
constexpr QRect StopGeometry(268, 46, 80, 28);

} // namespace

frmProgress::frmProgress(frmmain &main, std::function<QString(int count)> text)
    : QDialog(&main, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint)
    , m_main(main)
    , m_text(std::move(text)) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(AppTexts::title());
    setWindowModality(Qt::WindowModal);
    setFixedSize(ClientSize);
    lblProgress = new QLabel(this);
    lblProgress->setObjectName(QStringLiteral("lblProgress"));
    lblProgress->setTextFormat(Qt::PlainText);
    lblProgress->setGeometry(TextGeometry);
    cmdStop = new QPushButton(MediaTexts::stopCaption(), this);
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    cmdStop->setGeometry(StopGeometry);
    connect(cmdStop, &QPushButton::clicked, this, &frmProgress::reject);
    m_main.platform().eventPump->showBusyPointer();
    m_running.start();
}

frmProgress::~frmProgress() {
    m_main.platform().eventPump->restorePointer();
}

bool frmProgress::carryOn(int count) {
    // Short commands never show the box, and until it shows nothing is pumped.
    EventPump &pump = *m_main.platform().eventPump;
    if (m_stopped || m_running.elapsed() < m_main.progressDelay || !pump.passDue())
        return !m_stopped;
    lblProgress->setText(m_text(count));
    if (!isVisible())
        show();
    pump.processEvents();
    return !m_stopped;
}

void frmProgress::reject() {
    m_stopped = true;
}
