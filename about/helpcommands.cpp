#include "about/helpcommands.h"

#include "about/frmabout.h"
#include "about/makeraddresses.h"
#include "app/frmmain.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QUrl>

void showGuide(frmmain &form) {
    // The folder of the program file itself, links resolved, so the guide installed beside the
    // program is found however the program was started.
    const QString guide = QCoreApplication::applicationDirPath() + QStringLiteral("/readme.txt");
    form.platform().shell->open(&form, QUrl::fromLocalFile(guide));
}

void showFaq(frmmain &form) {
    form.platform().shell->open(&form, MakerAddresses::faqPage());
}

void sendMail(frmmain &form) {
    form.platform().shell->open(&form, MakerAddresses::mailLink());
}

void visitHomePage(frmmain &form) {
    form.platform().shell->open(&form, MakerAddresses::homePage());
}

void showAbout(frmmain &form) {
    if (!form.aboutBox)
        form.aboutBox = new frmAbout(form.platform());
    form.aboutBox->show();
    form.aboutBox->raise();
    form.aboutBox->activateWindow();
}
