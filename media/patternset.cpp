#include "media/patternset.h"

#include <algorithm>

PatternSet::PatternSet(const QStringList &texts) {
    for (const QString &text : texts) {
        for (const QString &part : text.split(u';')) {
            const QString pattern = part.trimmed();
            if (pattern.isEmpty())
                continue;
            WildcardPattern matcher(pattern);
            if (matcher.isValid())
                m_patterns.push_back(std::move(matcher));
            else
                m_invalid << pattern;
        }
    }
}

bool PatternSet::matches(const QString &name) const {
    return std::any_of(m_patterns.cbegin(), m_patterns.cend(),
                       [&name](const WildcardPattern &pattern) { return pattern.matches(name); });
}
