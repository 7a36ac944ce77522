#pragma once

#include <QString>

#include <vector>

// A file-name pattern: ? one character, * any run, # one digit, [list] and [!list] one
// character in or not in the list (a-z ranges, a hyphen first or last stands for itself).
// Pattern and name are both upper-cased, so letters match in any case. An unclosed bracket or
// a descending range makes the pattern invalid; an invalid pattern matches nothing.
//
// Matching runs in time linear in name length times pattern length: every token but * takes
// exactly one character, so on a mismatch only the last * seen needs to take one more.
class WildcardPattern {
public:
    explicit WildcardPattern(const QString &pattern);

    bool isValid() const { return m_valid; }
    bool matches(const QString &name) const;

private:
    enum class Kind { Literal, AnyChar, Digit, Set, Star };
    struct Range {
        char32_t first;
        char32_t last;
    };
    struct Token {
        explicit Token(Kind tokenKind, char32_t character = 0)
            : kind(tokenKind)
            , literal(character) {}
        Kind kind;
        char32_t literal = 0;
        bool negated = false;
        std::vector<Range> ranges;
    };

    bool parseList(const std::u32string &pattern, size_t &pos);
    static bool tokenMatches(const Token &token, char32_t c);

    std::vector<Token> m_tokens;
    bool m_valid = true;
};
