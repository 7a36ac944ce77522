#include "playlist/listtext.h"

#include <QRegularExpression>

bool isDroppedFromTexts(char32_t c) {
    return c != u'\t' && (QChar::category(c) == QChar::Other_Control || QChar::isNonCharacter(c) ||
                          QChar::isSurrogate(c));
}

QString characterText(char32_t c) {
    return QStringView(QChar::fromUcs4(c)).toString();
}

QString listText(const QString &text) {
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
