#include "playlist/fatnames.h"

#include <QRegularExpression>

namespace FatNames {

namespace {

// Longer "extensions" are part of the name ("notes.from the trip to Lhasa").
constexpr qsizetype MaxExtension = 16;

bool isForbidden(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7f || QStringView(u"\\:*?\"<>|/#").contains(c);
}

bool isHex(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool looksLikeEscape(const QString &name, qsizetype at) {
    return name.at(at) == u'%' && at + 2 < name.size() && isHex(name.at(at + 1)) &&
           isHex(name.at(at + 2));
}

// The dot before the extension, or -1.
qsizetype extensionDot(const QString &name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 && name.size() - dot <= MaxExtension ? dot : -1;
}

bool fits(const QString &name) {
    return name.size() <= MaxLength && name.toUtf8().size() <= MaxLength;
}

QString withoutTrailingDots(QString name) {
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    return name;
}

// Windows takes the part before the first dot for the device, whatever follows.
bool isReserved(const QString &name) {
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[0-9¹²³]|LPT[0-9¹²³]) *$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(name.section(u'.', 0, 0)).hasMatch();
}

} // namespace

QString legal(const QString &name) {
    QString result = name;
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (isForbidden(result.at(i)) || looksLikeEscape(result, i))
            result[i] = u'_';
    }
    result = withoutTrailingDots(result);
    qsizetype start = 0;
    while (start < result.size() && result.at(start) == u' ')
        ++start;
    result.remove(0, start);
    if (result.isEmpty())
        return QStringLiteral("_");
    if (isReserved(result)) {
        const qsizetype dot = result.indexOf(u'.');
        result.insert(dot < 0 ? result.size() : dot, u'_');
    }
    return variant(result, {}, 1);
}

QString variant(const QString &legalName, const QString &prefix, int number) {
    const qsizetype dot = extensionDot(legalName);
    QString stem = prefix + (dot < 0 ? legalName : legalName.left(dot));
    QString rest = number > 1 ? QStringLiteral(" (%1)").arg(number) : QString();
    if (dot >= 0)
        rest += legalName.mid(dot);
    if (fits(stem + rest))
        return stem + rest;
    while (stem.size() > 1 && !fits(stem + rest))
        stem.chop(stem.back().isLowSurrogate() ? 2 : 1);
    // A cut can leave a dot or a blank at the end of the name.
    return rest.isEmpty() ? withoutTrailingDots(stem) : stem + rest;
}

QString key(const QString &path) {
    return path.toCaseFolded();
}

} // namespace FatNames
