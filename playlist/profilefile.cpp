#include "playlist/profilefile.h"

#include "playlist/textlines.h"

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

ProfileFile::ProfileFile(const QString &text) {
    // Keys count only inside the first section of each name.
    QString section;
    bool inFirstSection = false;
    const QStringList lines = splitLines(text);
    for (const QString &line : lines) {
        const QStringView content = trimBlanks(line);
        if (content.startsWith(QLatin1Char(';')))
            continue;
        if (content.startsWith(QLatin1Char('['))) {
            const qsizetype end = content.indexOf(QLatin1Char(']'));
            section = trimBlanks(content.mid(1, end < 0 ? -1 : end - 1)).toString().toLower();
            inFirstSection = !m_sections.contains(section);
            if (inFirstSection)
                m_sections.insert(section, {});
            continue;
        }
        const qsizetype equals = content.indexOf(QLatin1Char('='));
        if (!inFirstSection || equals < 0)
            continue;
        QHash<QString, QString> &keys = m_sections[section];
        const QString key = trimBlanks(content.left(equals)).toString().toLower();
        if (!keys.contains(key))
            keys.insert(key, unquote(trimBlanks(content.mid(equals + 1))).toString());
    }
}

std::optional<QString> ProfileFile::value(const QString &section, const QString &key) const {
    const auto keys = m_sections.constFind(section.toLower());
    if (keys == m_sections.cend())
        return std::nullopt;
    const auto found = keys->constFind(key.toLower());
    if (found == keys->cend())
        return std::nullopt;
    return *found;
}

int ProfileFile::intValue(const QString &section, const QString &key, int defaultValue) const {
    const std::optional<QString> text = value(section, key);
    if (!text)
        return defaultValue;
    QStringView rest = *text;
    const bool negative = rest.startsWith(QLatin1Char('-'));
    if (negative || rest.startsWith(QLatin1Char('+')))
        rest = rest.mid(1);
    constexpr qint64 Limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (const QChar c : rest) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        magnitude = qMin(Limit, magnitude * 10 + (c.unicode() - '0'));
    }
    return int(qBound(qint64(std::numeric_limits<int>::min()), negative ? -magnitude : magnitude,
                      qint64(std::numeric_limits<int>::max())));
}
