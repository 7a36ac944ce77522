#include "playlist/profilefile.h"

#include "playlist/textlines.h"

#include <QtGlobal>

#include <limits>

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView trimBlanks(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

QStringView unquote(QStringView text) {
    if (text.size() >= 2 && text.front() == text.back() &&
        (text.front() == QLatin1Char('"') || text.front() == QLatin1Char('\'')))
        return text.mid(1, text.size() - 2);
    return text;
}

} // namespace

namespace ProfileFile {

void forEachKey(QStringView text, QLatin1String section,
                const std::function<void(QStringView key, QStringView value)> &visit) {
    bool inSection = false;
    bool sectionSeen = false;
    for (const QStringView line : splitLines(text)) {
        const QStringView content = trimBlanks(line);
        if (content.startsWith(QLatin1Char(';')))
            continue;
        if (content.startsWith(QLatin1Char('['))) {
            const qsizetype end = content.indexOf(QLatin1Char(']'));
            const bool named =
                sameName(trimBlanks(content.mid(1, end < 0 ? -1 : end - 1)), section);
            inSection = named && !sectionSeen;
            sectionSeen = sectionSeen || named;
            continue;
        }
        const qsizetype equals = content.indexOf(QLatin1Char('='));
        if (inSection && equals >= 0)
            visit(trimBlanks(content.left(equals)), unquote(trimBlanks(content.mid(equals + 1))));
    }
}

bool sameName(QStringView text, QLatin1String name) {
    if (text.size() != name.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // The one character outside ASCII that lower-cases to one inside is the Kelvin sign.
        const char16_t c = text[i].unicode() == 0x212A ? u'k' : text[i].unicode();
        const char16_t lower = c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
        if (lower != name[i].unicode())
            return false;
    }
    return true;
}

int intValue(QStringView value) {
    const bool negative = value.startsWith(QLatin1Char('-'));
    if (negative || value.startsWith(QLatin1Char('+')))
        value = value.mid(1);
    constexpr qint64 Limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (const QChar c : value) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        magnitude = qMin(Limit, magnitude * 10 + (c.unicode() - '0'));
    }
    return int(qBound(qint64(std::numeric_limits<int>::min()), negative ? -magnitude : magnitude,
                      qint64(std::numeric_limits<int>::max())));
}

} // namespace ProfileFile
