#pragma once

#include "media/wildcardpattern.h"

#include <QString>
#include <QStringList>

#include <vector>

// Several file-name patterns in one text, separated by ";" ("*.mp3;*.flac"): a name is found
// when any of them matches it. Blanks around each pattern are dropped, and so are empty ones.
class PatternSet {
public:
    explicit PatternSet(const QStringList &texts);

    bool matches(const QString &name) const;
    // Every pattern given is invalid: no name can be found.
    bool onlyInvalid() const { return m_patterns.empty() && !m_invalid.isEmpty(); }
    // The patterns as typed that are invalid: each of them matches nothing.
    const QStringList &invalid() const { return m_invalid; }

private:
    std::vector<WildcardPattern> m_patterns;
    QStringList m_invalid;
};
