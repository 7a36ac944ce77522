#include "about/helpcommands.h"

#include "about/abouttexts.h"
#include "about/frmabout.h"
#include "about/guidefile.h"
#include "about/makeraddresses.h"
#include "app/apptexts.h"
#include "app/frmmain.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QUrl>

void shellOpen(QWidget *owner, Platform &platform, const QUrl &target) {
    if (platform.shell->open(owner, target))
        return;
    const QString shown = target.isLocalFile() ? target.toLocalFile() : target.toString();
    platform.messageBoxes->showMessage(owner, AboutTexts::cannotOpen(shown), AppTexts::title(),
                                       MessageIcon::Warning);
}

void showGuide(frmmain &form) {
    // The folder of the program file itself, links resolved, so the guide is found however the
    // program was started.
    const QString guide = guideFile(QCoreApplication::applicationDirPath());
    shellOpen(&form, form.platform(), QUrl::fromLocalFile(guide));
}

void showFaq(frmmain &form) {
    shellOpen(&form, form.platform(), MakerAddresses::faqPage());
}

void sendMail(frmmain &form) {
    shellOpen(&form, form.platform(), MakerAddresses::mailLink());
}

void visitHomePage(frmmain &form) {
    shellOpen(&form, form.platform(), MakerAddresses::homePage());
}

void showAbout(frmmain &form) {
    if (!form.aboutBox)
        form.aboutBox = new frmAbout(form.platform());
    form.aboutBox->show();
    form.aboutBox->raise();
    form.aboutBox->activateWindow();
}
