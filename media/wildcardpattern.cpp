#include "media/wildcardpattern.h"

#include <QVarLengthArray>

#include <algorithm>

namespace {

// A name's code points; one of ordinary length needs no allocation.
using CodePoints = QVarLengthArray<char32_t, 256>;

// The code points of text upper-cased. An ASCII text, the common case, is upper-cased on the
// way; any other is upper-cased whole first, since a letter may become two ("ß" gives "SS").
CodePoints upperCodePoints(const QString &text) {
    CodePoints codes;
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; })) {
        for (const QChar c : text)
            codes.append(c >= u'a' && c <= u'z' ? c.unicode() - (u'a' - u'A') : c.unicode());
        return codes;
    }
    const QString upper = text.toUpper();
    for (qsizetype i = 0; i < upper.size(); ++i) {
        const char16_t c = upper[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < upper.size() && upper[i + 1].isLowSurrogate())
            codes.append(QChar::surrogateToUcs4(c, upper[++i].unicode()));
        else
            codes.append(QChar::isSurrogate(c) ? char32_t(QChar::ReplacementCharacter) : c);
    }
    return codes;
}

} // namespace

WildcardPattern::WildcardPattern(const QString &pattern) {
    const CodePoints codes = upperCodePoints(pattern);
    const std::u32string text(codes.cbegin(), codes.cend());
    size_t pos = 0;
    while (m_valid && pos < text.size()) {
        const char32_t c = text[pos];
        if (c == U'[') {
            m_valid = parseList(text, pos);
            continue;
        }
        ++pos;
        if (c == U'*') {
            // A run of stars matches what one star matches.
            if (m_tokens.empty() || m_tokens.back().kind != Kind::Star)
                m_tokens.push_back(Token(Kind::Star));
        } else if (c == U'?') {
            m_tokens.push_back(Token(Kind::AnyChar));
        } else if (c == U'#') {
            m_tokens.push_back(Token(Kind::Digit));
        } else {
            m_tokens.push_back(Token(Kind::Literal, c));
        }
    }
    if (!m_valid)
        m_tokens.clear();
}

// Reads the list that starts at the '[' at pos and leaves pos after its ']'.
bool WildcardPattern::parseList(const std::u32string &pattern, size_t &pos) {
    const size_t close = pattern.find(U']', pos + 1);
    if (close == std::u32string::npos)
        return false;
    size_t i = pos + 1;
    pos = close + 1;
    // "[]" matches the empty string: it takes no character at all.
    if (i == close)
        return true;

    Token token{Kind::Set};
    if (pattern[i] == U'!') {
        token.negated = true;
        ++i;
    }
    while (i < close) {
        const char32_t first = pattern[i];
        // A hyphen joins two characters; first in the list or last, it stands for itself.
        if (i + 2 < close && pattern[i + 1] == U'-') {
            const char32_t last = pattern[i + 2];
            if (last < first)
                return false;
            token.ranges.push_back({first, last});
            i += 3;
        } else {
            token.ranges.push_back({first, first});
            ++i;
        }
    }
    m_tokens.push_back(std::move(token));
    return true;
}

bool WildcardPattern::tokenMatches(const Token &token, char32_t c) {
    switch (token.kind) {
    case Kind::Literal:
        return c == token.literal;
    case Kind::AnyChar:
        return true;
    case Kind::Digit:
        return c >= U'0' && c <= U'9';
    case Kind::Set: {
        const bool inList = std::any_of(token.ranges.cbegin(), token.ranges.cend(),
                                        [c](Range r) { return c >= r.first && c <= r.last; });
        return inList != token.negated;
    }
    case Kind::Star:
        break;
    }
    return false;
}

bool WildcardPattern::matches(const QString &name) const {
    if (!m_valid)
        return false;
    const CodePoints text = upperCodePoints(name);
    const size_t tokenCount = m_tokens.size();
    size_t t = 0;
    size_t n = 0;
    // After a mismatch, the last star takes one more character and matching resumes after it.
    bool starSeen = false;
    size_t afterStar = 0;
    size_t starResume = 0;
    while (n < size_t(text.size())) {
        if (t < tokenCount && m_tokens[t].kind == Kind::Star) {
            starSeen = true;
            afterStar = ++t;
            starResume = n;
        } else if (t < tokenCount && tokenMatches(m_tokens[t], text[n])) {
            ++t;
            ++n;
        } else if (starSeen) {
            t = afterStar;
            n = ++starResume;
        } else {
            return false;
        }
    }
    while (t < tokenCount && m_tokens[t].kind == Kind::Star)
        ++t;
    return t == tokenCount;
}
