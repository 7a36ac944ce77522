#include "media/naturalorder.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QString naturalSortKey(QStringView name) {
    // Written in place: a run of n digits takes n + 2 characters at most, so the key is never
    // longer than three times the name.
    QString key(3 * name.size(), Qt::Uninitialized);
    QChar *out = key.data();
    qsizetype i = 0;
    while (i < name.size()) {
        const QChar c = name[i];
        if (!isDigit(c)) {
            *out++ = c.unicode() >= 0x80      ? c.toCaseFolded()
                     : c >= u'A' && c <= u'Z' ? QChar(c.unicode() + (u'a' - u'A'))
                                              : c;
            ++i;
            continue;
        }
        // A run of digits becomes "0", its length without leading zeros, then those digits:
        // a longer number sorts after a shorter one, numbers of one length by their digits.
        while (i < name.size() && name[i] == QLatin1Char('0'))
            ++i;
        const qsizetype start = i;
        while (i < name.size() && isDigit(name[i]))
            ++i;
        *out++ = QLatin1Char('0');
        *out++ = QChar(char16_t(u'0' + std::min<qsizetype>(i - start, 0xFFFF - u'0')));
        out = std::copy(name.begin() + start, name.begin() + i, out);
    }
    key.truncate(out - key.constData());
    return key;
}

void sortNaturally(QStringList &names) {
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(size_t(names.size()));
    for (QString &name : names)
        keyed.emplace_back(naturalSortKey(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[size_t(i)].second);
}
