#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringMatcher>
#include <QStringView>

#include <unicode/uversion.h>

#include <future>
#include <memory>

U_NAMESPACE_BEGIN
class Transliterator;
U_NAMESPACE_END

// Finds rows by what the user types: a row matches when one of its texts contains the typed
// text, ignoring case. The letters of Chinese text are also their pinyin, full and as initials,
// so zjl and zhoujielun both find 周杰伦.
//
// Each row is looked for in one key made once from its texts (keyOf); a keystroke then costs one
// search per row.
class RowFilter {
public:
    RowFilter();
    ~RowFilter();
    RowFilter(const RowFilter &) = delete;
    RowFilter &operator=(const RowFilter &) = delete;

    // The key of a row whose texts these are: each text case-folded and, where it holds Chinese
    // characters, again in full pinyin and in initials.
    QString keyOf(const QList<QStringView> &texts);

    // Starts making the transliteration on another thread unless it has been made: that takes
    // about a second, which the first key typed would otherwise wait for.
    void prepare();

    // What the user typed; an empty text shows every row.
    void setText(const QString &text);
    const QString &text() const { return m_text; }
    bool isActive() const { return !m_text.isEmpty(); }
    bool matches(const QString &key) const;

private:
    // The pinyin of one Chinese character without tones, ü written v as pinyin keyboards take
    // it; empty when the transliteration knows none.
    QString pinyinOf(char32_t character);
    // Waits for the transliteration if it is still being made; null where ICU has none.
    icu::Transliterator *transliterator();

    // Each character alone: the transliteration's cost grows much faster than the length of
    // the text it is given, and every character is looked up once per run.
    std::future<std::unique_ptr<icu::Transliterator>> m_making;
    std::unique_ptr<icu::Transliterator> m_transliterator;
    bool m_made = false;
    QHash<char32_t, QString> m_pinyin;
    QString m_text;
    QStringMatcher m_matcher;
};
