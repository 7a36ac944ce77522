#include "playlist/rowfilter.h"

#include <QTest>

// A row's texts (name, path, title, artist, album), what the user typed and whether it shows.
class TestRowFilter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matches_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("shown");
        const QStringList song{"周杰伦 - 晴天.MP3", "/歌曲/周杰伦 - 晴天.MP3", "晴天", "", ""};
        const auto row = [](const char *name, const QStringList &texts, const char *typed,
                            bool shown) {
            QTest::newRow(name) << texts << QString::fromUtf8(typed) << shown;
        };
        row("nothing typed", song, "", true);
        row("latin in any case", {"Song 10.mp3", "/b/Song 10.mp3"}, "sONG 1", true);
        row("latin not there", {"Song 10.mp3", "/b/Song 10.mp3"}, "song 2", false);
        row("chinese as written", song, "晴天", true);
        row("initials", song, "zjl", true);
        row("initials in capitals", song, "ZJL", true);
        row("initials with what stands around them", song, "zjl - qt.mp3", true);
        row("full pinyin", song, "zhoujielun", true);
        row("not across the blank and dash", song, "jielunqing", false);
        row("the start of a syllable", song, "zhoujie", true);
        row("full pinyin and latin", song, "qingtian.mp3", true);
        row("a folder's initials", song, "/gq/", true);
        row("a made-up reading", song, "zhoujielum", false);
        row("ü typed as v", {"绿色.flac"}, "lvse", true);
        row("artist", {"1.flac", "/a/1.flac", "", "王菲", ""}, "wf", true);
        row("album", {"1.flac", "/a/1.flac", "", "", "十一月的萧邦"}, "shiyiyuedexiaobang", true);
        row("not across two texts", {"1.flac", "/a/1.flac", "夜曲", "周杰伦", ""}, "yqzjl", false);
    }

    void matches() {
        QFETCH(QStringList, texts);
        QFETCH(QString, typed);
        const QString key = m_filter.keyOf(QList<QStringView>(texts.cbegin(), texts.cend()));
        m_filter.setText(typed);
        QCOMPARE(m_filter.isActive(), !typed.isEmpty());
        QTEST(!m_filter.isActive() || m_filter.matches(key), "shown");
    }

private:
    // Made once: its transliteration takes a second to make.
    RowFilter m_filter;
};

QTEST_MAIN(TestRowFilter)
#include "tst_rowfilter.moc"
