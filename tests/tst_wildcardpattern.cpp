#include "media/wildcardpattern.h"

#include <QTest>

class tst_WildcardPattern : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matches_data();
    void matches();
    void invalid_data();
    void invalid();
    void manyStarsStayLinear();
};

void tst_WildcardPattern::matches_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");

    auto row = [](const char *tag, const QString &pattern, const QString &name, bool expected) {
        QTest::newRow(tag) << pattern << name << expected;
    };
    row("suffix, other case", u"*.mp3"_qs, u"TRACK01.MP3"_qs, true);
    row("suffix, mixed case", u"*.MP3"_qs, u"Song.mp3"_qs, true);
    row("suffix, longer name", u"*.mp3"_qs, u"song.mp3.bak"_qs, false);
    row("suffix, txt after", u"*.mp3"_qs, u"track01.mp3.txt"_qs, false);
    row("star dot star, dot", u"*.*"_qs, u"readme.txt"_qs, true);
    row("star dot star, no dot", u"*.*"_qs, u"Makefile"_qs, false);
    row("star alone, empty run", u"a*"_qs, u"a"_qs, true);
    row("star in the middle", u"a*z"_qs, u"abcz"_qs, true);
    row("star must backtrack", u"*ab"_qs, u"aab"_qs, true);
    row("star backtracks over repeats", u"*a*a*b"_qs, u"aaaaab"_qs, true);
    row("stars, last part missing", u"*a*a*b"_qs, u"aaaaa"_qs, false);
    row("question mark one", u"a?c"_qs, u"abc"_qs, true);
    row("question mark not none", u"a?c"_qs, u"ac"_qs, false);
    row("question mark not two", u"a?c"_qs, u"abbc"_qs, false);
    row("question mark, Chinese", u"?.mp3"_qs, u"歌.mp3"_qs, true);
    row("question mark, surrogate pair", u"?"_qs, u"😀"_qs, true);
    row("hash digit", u"track##"_qs, u"track07"_qs, true);
    row("hash not letter", u"track#"_qs, u"trackA"_qs, false);
    row("hash not fullwidth digit", u"#"_qs, u"１"_qs, false);
    row("list in", u"[abc]x"_qs, u"bx"_qs, true);
    row("list out", u"[abc]x"_qs, u"dx"_qs, false);
    row("list, other case", u"[abc]"_qs, u"B"_qs, true);
    row("range in", u"[a-f]"_qs, u"c"_qs, true);
    row("range ends", u"[a-f]"_qs, u"F"_qs, true);
    row("range out", u"[a-f]"_qs, u"g"_qs, false);
    row("one-char range", u"[a-a]"_qs, u"a"_qs, true);
    row("two ranges", u"[0-3x-z]"_qs, u"y"_qs, true);
    row("negated in", u"[!abc]"_qs, u"d"_qs, true);
    row("negated out", u"[!abc]"_qs, u"a"_qs, false);
    row("negated range", u"[!0-9]"_qs, u"5"_qs, false);
    row("negated empty list", u"[!]"_qs, u"q"_qs, true);
    row("hyphen first", u"[-a]"_qs, u"-"_qs, true);
    row("hyphen last", u"[a-]"_qs, u"-"_qs, true);
    row("hyphen last, letter", u"[a-]"_qs, u"a"_qs, true);
    row("hyphen last, not range", u"[a-]"_qs, u"b"_qs, false);
    row("hyphen after bang", u"[!-a]"_qs, u"-"_qs, false);
    row("hyphen after bang, other", u"[!-a]"_qs, u"b"_qs, true);
    row("star in list", u"a[*]"_qs, u"a*"_qs, true);
    row("star in list not a run", u"a[*]"_qs, u"ab"_qs, false);
    row("question in list", u"[?]"_qs, u"?"_qs, true);
    row("question in list not any", u"[?]"_qs, u"x"_qs, false);
    row("hash in list", u"[#]"_qs, u"#"_qs, true);
    row("hash in list not digit", u"[#]"_qs, u"1"_qs, false);
    row("bracket in list", u"[[]"_qs, u"["_qs, true);
    row("closing bracket alone", u"a]"_qs, u"a]"_qs, true);
    row("empty list is empty", u"a[]b"_qs, u"ab"_qs, true);
    row("empty list takes nothing", u"a[]b"_qs, u"axb"_qs, false);
    row("bracket closes at first", u"[]]"_qs, u"]"_qs, true);
    row("bang outside list", u"!a"_qs, u"!a"_qs, true);
    row("dot is literal", u"a.b"_qs, u"axb"_qs, false);
    row("whole name only", u"abc"_qs, u"xabc"_qs, false);
    row("blanks are characters", u" a"_qs, u"a"_qs, false);
    row("empty pattern, name", u""_qs, u"a"_qs, false);
    row("Chinese literal", u"歌曲*"_qs, u"歌曲01.mp3"_qs, true);
    row("non-ASCII letter case", u"é*"_qs, u"École.mp3"_qs, true);
    row("pattern upper-cased first", u"[a-z]"_qs, u"Q"_qs, true);
}

void tst_WildcardPattern::matches() {
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, expected);
    const WildcardPattern compiled(pattern);
    QVERIFY(compiled.isValid());
    QCOMPARE(compiled.matches(name), expected);
}

void tst_WildcardPattern::invalid_data() {
    QTest::addColumn<QString>("pattern");
    QTest::newRow("unclosed") << u"[abc"_qs;
    QTest::newRow("unclosed after star") << u"*.mp3["_qs;
    QTest::newRow("unclosed negated") << u"[!"_qs;
    QTest::newRow("descending range") << u"[z-a]"_qs;
    QTest::newRow("descending digits") << u"x[9-0]"_qs;
    // Upper-casing happens first: "a" becomes "A", which sorts before "Z".
    QTest::newRow("descending once upper-cased") << u"[Z-a]"_qs;
}

void tst_WildcardPattern::invalid() {
    QFETCH(QString, pattern);
    const WildcardPattern compiled(pattern);
    QVERIFY(!compiled.isValid());
    for (const QString &name : {u""_qs, u"a"_qs, u"abc"_qs, pattern})
        QVERIFY(!compiled.matches(name));
}

void tst_WildcardPattern::manyStarsStayLinear() {
    // With backtracking over every star this takes far beyond the test's timeout.
    const WildcardPattern pattern(u"*A*A*A*A*A*A*A*A*A*A*A*A*B"_qs);
    const QString name(4000, QLatin1Char('a'));
    QVERIFY(!pattern.matches(name));
    QVERIFY(pattern.matches(name + QLatin1Char('b')));
}

QTEST_APPLESS_MAIN(tst_WildcardPattern)
#include "tst_wildcardpattern.moc"
