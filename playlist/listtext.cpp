#include "playlist/listtext.h"

#include <QRegularExpression>

#include <algorithm>

bool isDroppedFromTexts(char32_t c) {
    return c != u'\t' && (QChar::category(c) == QChar::Other_Control || QChar::isNonCharacter(c) ||
                          QChar::isSurrogate(c));
}

QString characterText(char32_t c) {
    return QStringView(QChar::fromUcs4(c)).toString();
}

QString listText(const QString &text) {
    // Most texts hold nothing to change; the code units that can start a change are few.
    const bool plain = std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || (u >= 0x7f && u <= 0x9f) || (u >= 0xfdd0 && u <= 0xfdef) ||
               u >= 0xfffe || c.isSurrogate();
    });
    if (plain)
        return text;
    static const QRegularExpression lineBreaks(QStringLiteral("[\r\n]+"));
    QString oneLine = QString(text).replace(lineBreaks, QStringLiteral(" "));
    QString kept;
    kept.reserve(oneLine.size());
    for (const char32_t c : oneLine.toUcs4()) {
        if (!isDroppedFromTexts(c))
            kept += QChar::fromUcs4(c);
    }
    return kept;
}
