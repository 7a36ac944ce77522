#pragma once

#include <QString>
#include <QUrl>

// The maker's addresses, which the Help menu and the About box hand to the desktop.
namespace MakerAddresses {

QString emailAddress();
// A new mail message to the maker.
QUrl mailLink();
QUrl homePage();
QUrl faqPage();

} // namespace MakerAddresses
