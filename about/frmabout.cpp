#include "about/frmabout.h"

#include "about/abouttexts.h"
#include "about/helpcommands.h"
#include "about/makeraddresses.h"
#include "about/startsysinfo.h"
#include "app/apptexts.h"
#include "platform/platform.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

// Sizes at 96 dots per inch.
constexpr QSize ClientSize(382, 237);
constexpr QRect IconGeometry(16, 16, 36, 36);
constexpr QRect TitleGeometry(70, 16, 290, 32);
constexpr QRect VersionGeometry(70, 52, 290, 16);
constexpr QRect MailGeometry(70, 76, 290, 17);
constexpr QRect HomePageGeometry(70, 98, 290, 17);
constexpr QRect RuleGeometry(6, 126, 370, 2);
constexpr QRect DisclaimerGeometry(17, 175, 258, 55);
constexpr QRect OkGeometry(283, 175, 84, 23);
constexpr QRect SysInfoGeometry(283, 205, 84, 23);
constexpr int TitlePointSize = 14;

} // namespace

frmAbout::frmAbout(Platform &platform)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint)
    , m_platform(platform) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ClientSize);
    setWindowTitle(AboutTexts::caption(AppTexts::title()));
    createControls();
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Label1)
            shellOpen(this, m_platform, MakerAddresses::mailLink());
        else if (watched == Label2)
            shellOpen(this, m_platform, MakerAddresses::homePage());
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::createControls() {
    auto *Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(IconGeometry);
    Image1->setPixmap(QIcon(QStringLiteral(":/icons/vantrel.png")).pixmap(IconGeometry.size()));
    Image1->setAccessibleName(AppTexts::title());

    auto *lblTitle = new QLabel(AppTexts::title(), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(TitleGeometry);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(TitlePointSize);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    auto *lblVersion = new QLabel(AboutTexts::versionLine(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(VersionGeometry);

    Label1 = addLink("Label1", AboutTexts::mailLabel(MakerAddresses::emailAddress()), MailGeometry);
    Label2 = addLink("Label2", MakerAddresses::homePage().toString(), HomePageGeometry);

    auto *Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(RuleGeometry);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    auto *lblDisclaimer = new QLabel(AboutTexts::copyright(), this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setGeometry(DisclaimerGeometry);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *cmdOK = new QPushButton(QStringLiteral("确定"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(OkGeometry);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *cmdSysInfo = new QPushButton(QStringLiteral("系统信息(&S)..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(SysInfoGeometry);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(this, m_platform); });

    cmdOK->setFocus();
}

QLabel *frmAbout::addLink(const char *name, const QString &text, const QRect &geometry) {
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    return label;
}
