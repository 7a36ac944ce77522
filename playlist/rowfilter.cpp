#include "playlist/rowfilter.h"

#include <algorithm>

#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace {

// Between the texts of a key, so that no typed text matches across two of them.
constexpr QChar Separator = u'\u0001';

// Below the radicals no character is Chinese: most texts need no lookup of their script.
constexpr QChar FirstHan = u'\u2E80';

bool isHan(char32_t character) {
    return QChar::script(character) == QChar::Script_Han;
}

// Creating a transliterator reads its rules, which takes long: one serves every row.
std::unique_ptr<icu::Transliterator> makeTransliterator() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> made(
        icu::Transliterator::createInstance("Han-Latin", UTRANS_FORWARD, status));
    return U_SUCCESS(status) ? std::move(made) : nullptr;
}

} // namespace

RowFilter::RowFilter() = default;

RowFilter::~RowFilter() = default;

void RowFilter::prepare() {
    if (!m_made && !m_making.valid())
        m_making = std::async(std::launch::async, makeTransliterator);
}

icu::Transliterator *RowFilter::transliterator() {
    if (!m_made) {
        prepare();
        m_transliterator = m_making.get();
        m_made = true;
    }
    return m_transliterator.get();
}

QString RowFilter::pinyinOf(char32_t character) {
    const auto known = m_pinyin.constFind(character);
    if (known != m_pinyin.cend())
        return *known;
    QString pinyin;
    if (icu::Transliterator *pinyinRules = transliterator()) {
        icu::UnicodeString text(static_cast<UChar32>(character));
        pinyinRules->transliterate(text);
        const QString latin =
            QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length())
                .normalized(QString::NormalizationForm_D);
        for (const QChar unit : latin) {
            if (unit == u'\u0308' && pinyin.endsWith(u'u'))
                pinyin.back() = u'v';
            else if (unit.category() != QChar::Mark_NonSpacing)
                pinyin += unit.toLower();
        }
        // A character the rules do not know comes back as it was.
        if (std::any_of(pinyin.cbegin(), pinyin.cend(),
                        [](QChar unit) { return unit < u'a' || unit > u'z'; }))
            pinyin.clear();
    }
    m_pinyin.insert(character, pinyin);
    return pinyin;
}

QString RowFilter::keyOf(const QList<QStringView> &texts) {
    qsizetype size = 0;
    for (const QStringView text : texts)
        size += text.size() + 1;
    QString key;
    key.reserve(size);
    for (const QStringView text : texts) {
        key += text;
        key += Separator;
    }
    for (const QStringView text : texts) {
        if (std::none_of(text.cbegin(), text.cend(), [](QChar unit) {
                return unit >= FirstHan && (unit.isSurrogate() || isHan(unit.unicode()));
            }))
            continue;
        QString full, initials;
        for (const char32_t character : text.toUcs4()) {
            const QString pinyin = isHan(character) ? pinyinOf(character) : QString();
            if (pinyin.isEmpty()) {
                const QString as = QString::fromUcs4(&character, 1);
                full += as;
                initials += as;
            } else {
                full += pinyin;
                initials += pinyin.front();
            }
        }
        key += full + Separator + initials + Separator;
    }
    // Once for the whole key: most keys are folded already, and then nothing is copied.
    return std::move(key).toCaseFolded();
}

void RowFilter::setText(const QString &text) {
    m_text = text.toCaseFolded();
    m_matcher.setPattern(m_text);
}

bool RowFilter::matches(const QString &key) const {
    return m_matcher.indexIn(key) >= 0;
}
