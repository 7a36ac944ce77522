#pragma once

#include <QCollator>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// Texts in the order people of the user's locale read them, as a file manager lists names:
// through the locale's collation (pinyin for Chinese under zh_CN), letters without regard to
// case, runs of digits by their value ("Song 2" before "Song 10"), and texts the collation holds
// equal ordered by their code points, so that the order is total.
//
// The collation costs about a microsecond a text. Most names are ASCII, and a set of ASCII texts
// is ordered by keys built from the collation's own ranking of the ASCII characters, which gives
// the same order at the cost of a copy.
class ReadingOrder {
public:
    explicit ReadingOrder(const QLocale &locale = QLocale());

    // Each text's place in the order: equal texts share a place, and a text's place is below
    // every text that comes after it.
    std::vector<int> ranks(const std::vector<QStringView> &texts) const;
    void sort(QStringList &texts) const;
    bool lessThan(QStringView a, QStringView b) const;

private:
    QString asciiKey(QStringView text) const;

    QCollator m_collator;
    // Each ASCII character's rank in the collation; 0 for the ones it ignores.
    std::array<char16_t, 128> m_rank{};
    char16_t m_digitRank = 0;
};
