#include "media/wildcardpattern.h"

#include <QTest>

#include <tuple>

class tst_WildcardPattern : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matches_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<char>("result");
        // y: matches, n: does not, !: the pattern is invalid and matches nothing.
        // clang-format off
        const std::tuple<const char *, const char *, char> cases[] = {
            // Both sides are upper-cased; a star takes any run, and the whole name must match.
            {"*.mp3", "TRACK01.MP3", 'y'}, {"*.mp3", "a.mp3.bak", 'n'}, {"abc", "xabc", 'n'},
            {"a*", "a", 'y'}, {"*a*a*b", "aaaaab", 'y'}, {"", "a", 'n'}, {"é*", "École.mp3", 'y'},
            // ? takes one character (one code point), # one ASCII digit.
            {"a?c", "ac", 'n'}, {"歌?", "歌😀", 'y'}, {"track##", "track07", 'y'}, {"#", "１", 'n'},
            // Lists, ranges and negation; a hyphen first or last stands for itself.
            {"[abc]x", "Bx", 'y'}, {"[a-f]", "g", 'n'}, {"[a-a]", "a", 'y'}, {"[0-3x-z]", "y", 'y'},
            {"[!0-9]", "5", 'n'}, {"!a", "!a", 'y'}, {"[-a]", "-", 'y'}, {"[-a]", "0", 'n'},
            {"[a-]", "-", 'y'}, {"[a-]", "b", 'n'}, {"[!-a]", "-", 'n'}, {"[!-a]", "0", 'y'},
            // Inside a list *, ? and # are plain characters; the first ] closes the list.
            {"a[*]", "a*", 'y'}, {"a[*]", "ab", 'n'}, {"[?]", "x", 'n'}, {"[#]", "1", 'n'},
            {"[[]", "[", 'y'}, {"[]a]", "a]", 'y'}, {"a[]b", "ab", 'y'}, {"a[]b", "axb", 'n'},
            // An unclosed list or a descending range (after upper-casing) is invalid.
            {"[abc", "[abc", '!'}, {"[z-a]", "z", '!'}, {"[Z-a]", "Z", '!'},
        };
        // clang-format on
        for (const auto &[pattern, name, result] : cases)
            QTest::addRow("%s | %s", pattern, name)
                << QString::fromUtf8(pattern) << QString::fromUtf8(name) << result;
        // Backtracking over every star would take far beyond the test's timeout.
        QTest::newRow("many stars") << u"*A*A*A*A*A*A*A*A*A*A*B"_qs << QString(4000, u'a') << 'n';
    }

    void matches() {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(char, result);
        QCOMPARE(WildcardPattern(pattern).isValid(), result != '!');
        QCOMPARE(WildcardPattern(pattern).matches(name), result == 'y');
    }
};

QTEST_APPLESS_MAIN(tst_WildcardPattern)
#include "tst_wildcardpattern.moc"
