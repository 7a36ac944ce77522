#include "media/readingorder.h"
#include "media/wildcardpattern.h"
#include "playlist/playlistfile.h"
#include "playlist/windowspath.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

enum class Outcome { Matches, NoMatch, Invalid };
constexpr Outcome y = Outcome::Matches, n = Outcome::NoMatch, invalid = Outcome::Invalid;

struct MatchCase {
    const char *pattern;
    const char *name;
    Outcome outcome;
};

// The search pattern: which names it matches, and which patterns are no patterns. Names that
// readers and players would take for something else, through every format.
class TestNames : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    // Saved in every format and opened again, each row names the same path, with its title as
    // lists write texts and the longest length; no file holds a NUL, and the XML ones stay
    // readable.
    void namesSurviveEveryFormat_data() {
        QTest::addColumn<QString>("name"); // a path from the root, or below the list's folder
        QTest::addColumn<bool>("relative");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("titleBack");
        const auto row = [](const char *name, const QString &path, bool relative,
                            const QString &title = {}, const QString &titleBack = {}) {
            QTest::newRow(name) << path << relative << title << titleBack;
        };
        row("controls and U+FFFE, U+FFFF",
            u"/m/a\x01"
            "b\ufffe\uffff.mp3"_s,
            false, u"t\x01\x7f\ufffex\uffff"_s, u"tx"_s);
        row("a lone %, relative", u"100% pure.mp3"_s, true, u" 100% "_s, u"100%"_s);
        row("a blank first", u" 01 leading.mp3"_s, true);
        row("a blank last", u"/m/trailing.mp3 "_s, false);
        row("ideographic blanks", u"\u3000歌\u3000"_s, true);
        row("a folder of blanks", u"  /n"_s, true);
        row("file:", u"file:x.mp3"_s, true);
        row("http:", u"http:x.mp3"_s, true);
        row("not a resource", u":/icons/new.png"_s, true);
        row("a drive's form", u"c:/x.mp3"_s, true);
        row("a drive's form from the root", u"/c:/x.mp3"_s, false);
        row("a Windows root's form", u"\\x.mp3"_s, true);
        row("a NUL", u"ok.mp3\0.x"_s, true);
        row("quoted", u"'q'"_s, true, u"\"Live\""_s, u"\"Live\""_s);
        row("other formats' first lines", u"[playlist]"_s, true);
        row("RAM's end", u"--stop--"_s, true);
        row("byte-order marks", u"\ufeffa\ufeff"_s, true);
        row("a noncharacter beyond U+FFFF", u"/m/#\U000affff"_s, false);
        row("a Linux name from the root with \\", u"/\\."_s, false);
    }

    void namesSurviveEveryFormat() {
        QFETCH(QString, name);
        QFETCH(bool, relative);
        QFETCH(QString, title);
        QFETCH(QString, titleBack);
        constexpr int Longest = std::numeric_limits<int>::max();
        const QString path = relative ? QDir::cleanPath(m_dir.path() + u'/' + name) : name;
        const PlaylistEntry row{localFileName(path),          {},    path,    {},      {}, false,
                                PlaylistEntry::Kind::Missing, title, Longest, relative};
        for (const QString extension : {"pls", "m3u", "m3u8", "ram", "asx", "xspf"}) {
            const QString list = m_dir.filePath(u"l."_s + extension);
            QVERIFY(savePlaylistFile(list, {row}).ok());
            QFile written(list);
            QVERIFY(written.open(QIODevice::ReadOnly) && !written.readAll().contains('\0'));
            const Result<LoadedPlaylist> loaded = loadPlaylistFile(list);
            QVERIFY2(loaded.ok() && loaded.value().rows.size() == 1, qPrintable(extension));
            const PlaylistEntry &back = loaded.value().rows.front();
            QCOMPARE(back.path, path);
            QCOMPARE(back.title, extension == u"ram"_s ? QString() : titleBack);
            QCOMPARE(back.length, extension == u"ram"_s ? -1 : Longest);
        }
    }

    void matches_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Outcome>("outcome");
        // clang-format off
        const MatchCase cases[] = {
            // Both sides are upper-cased; a star takes any run, and the whole name must match.
            {"*.mp3", "TRACK01.MP3", y}, {"*.mp3", "a.mp3.bak", n}, {"abc", "xabc", n},
            {"a*", "a", y}, {"*a*a*b", "aaaaab", y}, {"", "a", n}, {"é*", "École.mp3", y},
            // ? takes one character (one code point), # one ASCII digit.
            {"a?c", "ac", n}, {"歌?", "歌😀", y}, {"track##", "track07", y}, {"#", "１", n},
            // Lists, ranges and negation; a hyphen first or last stands for itself.
            {"[abc]x", "Bx", y}, {"[a-f]", "g", n}, {"[a-a]", "a", y}, {"[0-3x-z]", "y", y},
            {"[!0-9]", "5", n}, {"!a", "!a", y}, {"[-a]", "-", y}, {"[-a]", "0", n},
            {"[a-]", "-", y}, {"[a-]", "b", n}, {"[!-a]", "-", n}, {"[!-a]", "0", y},
            // Inside a list *, ? and # are plain characters; the first ] closes the list.
            {"a[*]", "a*", y}, {"a[*]", "ab", n}, {"[?]", "x", n}, {"[#]", "1", n},
            {"[[]", "[", y}, {"[]a]", "a]", y}, {"a[]b", "ab", y}, {"a[]b", "axb", n},
            // An unclosed list or a descending range (after upper-casing) is invalid.
            {"[abc", "[abc", invalid}, {"[z-a]", "z", invalid}, {"[Z-a]", "Z", invalid},
        };
        // clang-format on
        for (const MatchCase &c : cases)
            QTest::addRow("%s | %s", c.pattern, c.name)
                << QString::fromUtf8(c.pattern) << QString::fromUtf8(c.name) << c.outcome;
        // Backtracking over every star would take far beyond the test's timeout.
        QTest::newRow("many stars") << u"*A*A*A*A*A*A*A*A*A*A*B"_s << QString(4000, u'a') << n;
    }

    void matches() {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(Outcome, outcome);
        QCOMPARE(WildcardPattern(pattern).isValid(), outcome != invalid);
        QCOMPARE(WildcardPattern(pattern).matches(name), outcome == y);
    }

    // The user's locale decides: pinyin under zh_CN, letters in any case, numbers by value
    // however long, texts the collation holds equal by their code points.
    void readingOrder_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("pinyin") << QStringList{u"李"_s, u"王"_s, u"张"_s, u"赵"_s, u"阿"_s}
                                << QStringList{u"阿"_s, u"李"_s, u"王"_s, u"张"_s, u"赵"_s};
        QTest::newRow("numbers in names, case, leading zeros")
            << QStringList{u"Song 10"_s,
                           u"song 2"_s,
                           u"t100000000000000000000"_s,
                           u"B"_s,
                           u"t99999999999999999999"_s,
                           u"a"_s,
                           u"Song 02"_s,
                           u"A"_s}
            << QStringList{u"A"_s,
                           u"a"_s,
                           u"B"_s,
                           u"Song 02"_s,
                           u"song 2"_s,
                           u"Song 10"_s,
                           u"t99999999999999999999"_s,
                           u"t100000000000000000000"_s};
        QTest::newRow("numbered chinese names")
            << QStringList{u"第10集"_s, u"第2集"_s, u"第1集"_s, u"第2集"_s}
            << QStringList{u"第1集"_s, u"第2集"_s, u"第2集"_s, u"第10集"_s};
    }

    void readingOrder() {
        QFETCH(QStringList, texts);
        ReadingOrder(QLocale(QLocale::Chinese, QLocale::China)).sort(texts);
        QTEST(texts, "sorted");
    }

    // ASCII texts alone take a short way; among other texts they must keep their order.
    void asciiTextsKeepTheirOrderAmongOthers() {
        const QStringList ascii{u"a_b"_s,
                                u"a-b"_s,
                                u"a b"_s,
                                u"a1"_s,
                                u"a.b"_s,
                                u"a,b"_s,
                                u"a(b"_s,
                                u"a~b"_s,
                                u"a\tb"_s,
                                u"a\x01"
                                "b"_s,
                                u"ab"_s,
                                u"A.B"_s,
                                u"007"_s,
                                u"7"_s,
                                u"a10"_s,
                                u"a9"_s,
                                u"a#1"_s,
                                u"[x]"_s,
                                u"x 2.mp3"_s,
                                u"x 10.mp3"_s,
                                u"x2.mp3"_s,
                                u"X 2.MP3"_s,
                                u""_s};
        for (const QLocale &locale :
             {QLocale(QLocale::Chinese, QLocale::China), QLocale::c(), QLocale(QLocale::German)}) {
            const ReadingOrder order(locale);
            QStringList alone = ascii, among = ascii + QStringList{u"歌"_s, u"é"_s};
            order.sort(alone);
            order.sort(among);
            among.removeAll(u"歌"_s);
            among.removeAll(u"é"_s);
            QCOMPARE(alone, among);
        }
    }
};

QTEST_APPLESS_MAIN(TestNames)
#include "tst_names.moc"
