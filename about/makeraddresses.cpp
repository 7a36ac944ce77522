#include "about/makeraddresses.h"

namespace MakerAddresses {

QString emailAddress() {
    return QStringLiteral("vantrel@example.org");
}

QUrl mailLink() {
    return QUrl(QStringLiteral("mailto:") + emailAddress());
}

QUrl homePage() {
    return QUrl(QStringLiteral("https://www.example.org/vantrel/"));
}

QUrl faqPage() {
    return QUrl(QStringLiteral("https://www.example.org/vantrel/faq.html"));
}

} // namespace MakerAddresses
