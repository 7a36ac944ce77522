#include "media/readingorder.h"

#include <algorithm>
#include <numeric>

namespace {

bool isAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Ranks start above the control characters, so that keys stay ordinary text.
constexpr char16_t FirstRank = 0x20;

} // namespace

// The C locale has no collation of its own and would compare code points; the common one of
// every language orders names as file managers do.
ReadingOrder::ReadingOrder(const QLocale &locale)
    : m_collator(locale.language() == QLocale::C ? QLocale(QLocale::English) : locale) {
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);

    // A character the collation ignores leaves a text it follows equal to the text.
    std::vector<char16_t> ranked;
    for (char16_t c = 0; c < 0x80; ++c) {
        const char16_t withIt[] = {u'a', c};
        if (m_collator.compare(QStringView(withIt, 2), u"a") != 0)
            ranked.push_back(c);
    }
    const auto collate = [this](char16_t a, char16_t b) {
        return m_collator.compare(QStringView(&a, 1), QStringView(&b, 1));
    };
    std::stable_sort(ranked.begin(), ranked.end(),
                     [&collate](char16_t a, char16_t b) { return collate(a, b) < 0; });
    char16_t rank = FirstRank;
    for (size_t i = 0; i < ranked.size(); ++i) {
        if (i > 0 && collate(ranked[i - 1], ranked[i]) != 0)
            ++rank;
        m_rank[ranked[i]] = rank;
    }
    m_digitRank = m_rank[u'0'];
}

// The collation's primary order of an ASCII text: each character by its rank, ignored ones left
// out, and a run of digits as the digits' rank, its length without leading zeros and the digits,
// so that a longer number comes after a shorter one.
QString ReadingOrder::asciiKey(QStringView text) const {
    QString key;
    key.reserve(text.size() + 2);
    for (qsizetype i = 0; i < text.size();) {
        const char16_t c = text[i].unicode();
        if (!isDigit(c)) {
            if (m_rank[c] != 0)
                key += QChar(m_rank[c]);
            ++i;
            continue;
        }
        while (i < text.size() && text[i] == u'0')
            ++i;
        const qsizetype start = i;
        while (i < text.size() && isDigit(text[i].unicode()))
            ++i;
        key += QChar(m_digitRank);
        key += QChar(char16_t(FirstRank + std::min<qsizetype>(i - start, 0xFFFF - FirstRank)));
        key += text.mid(start, i - start);
    }
    return key;
}

std::vector<int> ReadingOrder::ranks(const std::vector<QStringView> &texts) const {
    std::vector<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    // Keys built once per text: a comparison is then a comparison of keys.
    const auto rankBy = [&](const auto &keys, auto compareKeys) {
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            const int byKey = compareKeys(keys[size_t(a)], keys[size_t(b)]);
            return byKey != 0 ? byKey < 0 : texts[size_t(a)] < texts[size_t(b)];
        });
    };
    if (std::all_of(texts.cbegin(), texts.cend(), isAscii)) {
        std::vector<QString> keys;
        keys.reserve(texts.size());
        for (const QStringView text : texts)
            keys.push_back(asciiKey(text));
        rankBy(keys, [](const QString &a, const QString &b) { return a.compare(b); });
    } else {
        std::vector<QCollatorSortKey> keys;
        keys.reserve(texts.size());
        for (const QStringView text : texts)
            keys.push_back(m_collator.sortKey(text.toString()));
        rankBy(keys,
               [](const QCollatorSortKey &a, const QCollatorSortKey &b) { return a.compare(b); });
    }
    std::vector<int> result(texts.size());
    int rank = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && texts[size_t(order[i - 1])] != texts[size_t(order[i])])
            ++rank;
        result[size_t(order[i])] = rank;
    }
    return result;
}

void ReadingOrder::sort(QStringList &texts) const {
    std::vector<QStringView> views(texts.cbegin(), texts.cend());
    const std::vector<int> placeOf = ranks(views);
    std::vector<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&placeOf](int a, int b) { return placeOf[size_t(a)] < placeOf[size_t(b)]; });
    QStringList sorted;
    sorted.reserve(texts.size());
    for (const int i : order)
        sorted << std::move(texts[i]);
    texts = std::move(sorted);
}

bool ReadingOrder::lessThan(QStringView a, QStringView b) const {
    const int byCollation = m_collator.compare(a, b);
    return byCollation != 0 ? byCollation < 0 : a < b;
}
