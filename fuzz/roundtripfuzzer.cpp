#include "media/filequery.h"
#include "playlist/listtext.h"
#include "playlist/playlistfile.h"
#include "playlist/playlistwriter.h"

#include <QDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <limits>

// Rows of names that readers and players take for something else, written in every format and
// read back as Open reads them: the path must come back always, the title and the length in
// every format that holds them. A row that does not is printed, and its input is a crash.

namespace {

const QString ListFolder = QStringLiteral("/nonexistent/fuzz/list");

const QStringList &pieces() {
    static const QStringList pieces{
        QStringLiteral("#"),          QStringLiteral("%"),      QStringLiteral("%41"),
        QStringLiteral("?"),          QStringLiteral(" "),      QStringLiteral("\u3000"),
        QStringLiteral("\t"),         QStringLiteral("\x01"),   QString(QChar(0)),
        QStringLiteral("\x7f"),       QStringLiteral("\u0085"), QStringLiteral("\ufffe"),
        QStringLiteral("\uffff"),     QStringLiteral("\ufeff"), QStringLiteral("\u2028"),
        QStringLiteral("file:"),      QStringLiteral("http:"),  QStringLiteral("http://"),
        QStringLiteral("c:"),         QStringLiteral("\\"),     QStringLiteral("/"),
        QStringLiteral(".."),         QStringLiteral("."),      QStringLiteral("--stop--"),
        QStringLiteral("\""),         QStringLiteral("'"),      QStringLiteral("&amp;"),
        QStringLiteral("<"),          QStringLiteral(">"),      QStringLiteral("]]>"),
        QStringLiteral("[playlist]"), QStringLiteral("<asx>"),  QStringLiteral("#EXTINF:1,"),
        QStringLiteral("="),          QStringLiteral(";"),      QStringLiteral(","),
        QStringLiteral("歌"),         QStringLiteral("a.mp3"),  QStringLiteral("\r\n"),
    };
    return pieces;
}

// A few pieces or characters of any kind (surrogates aside: no name holds them).
QString someText(FuzzedDataProvider &input) {
    QString text;
    for (int n = input.ConsumeIntegralInRange(0, 6); n > 0; --n) {
        if (input.ConsumeBool()) {
            text += pieces()[input.ConsumeIntegralInRange<qsizetype>(0, pieces().size() - 1)];
        } else {
            char32_t c = input.ConsumeIntegralInRange<char32_t>(0, 0x10FFFF);
            if (QChar::isSurrogate(c))
                c = u'x';
            text += characterText(c);
        }
    }
    return text;
}

// A row as Open makes it: a local path from the root, one below the list's folder that came
// relative, or an address (as readers give them: trimmed, nothing that list texts drop).
PlaylistEntry someRow(FuzzedDataProvider &input, FileQuery &query) {
    ResolvedEntry entry;
    // A line break in a path makes every line-based format refuse the list.
    const QString name = someText(input).remove(u'\r').remove(u'\n');
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
        entry.path = QDir::cleanPath(u'/' + name);
        break;
    case 1:
        // A relative "a\\b" names a/b where that is there, as lists from Windows mean it.
        entry.path = QDir::cleanPath(ListFolder + u'/' + QString(name).remove(u'\\'));
        entry.relative = true;
        break;
    default:
        entry.path = (QStringLiteral("http://h/") + listText(name)).trimmed();
        entry.address = true;
    }
    if (input.ConsumeBool())
        entry.title = someText(input);
    if (input.ConsumeBool())
        entry.length = input.ConsumeIntegralInRange(0, std::numeric_limits<int>::max());
    return rowFor(entry, query);
}

// Beyond printable ASCII, characters as \x{…}.
QByteArray shown(const QString &text) {
    QByteArray result = "\"";
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0x20 && c < 0x7f && c != u'"' && c != u'\\')
            result += char(c);
        else
            result += "\\x{" + QByteArray::number(uint(c), 16) + '}';
    }
    return result + '"';
}

struct Counts {
    qint64 rows = 0, refused = 0, lost = 0;
    ~Counts() {
        std::fprintf(stderr, "round trip: %lld rows written, %lld refused, %lld did not survive\n",
                     rows, refused, lost);
    }
};
Counts counts;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    FileQuery query;
    std::vector<PlaylistEntry> rows;
    for (int n = input.ConsumeIntegralInRange(1, 8); n > 0; --n)
        rows.push_back(someRow(input, query));
    WriteOptions options;
    options.relative = WriteOptions::Relative(input.ConsumeIntegralInRange(0, 2));

    qint64 lost = 0;
    for (const char *extension : {"pls", "m3u", "m3u8", "ram", "asx", "xspf"}) {
        const QString target = ListFolder + QStringLiteral("/l.") + QLatin1String(extension);
        const Result<QByteArray> bytes = encodePlaylist(target, rows, options);
        counts.rows += qint64(rows.size());
        if (!bytes.ok()) {
            counts.refused += qint64(rows.size());
            continue;
        }
        const Result<LoadedPlaylist> loaded = loadPlaylistBytes(bytes.value(), target);
        const std::vector<PlaylistEntry> none;
        const std::vector<PlaylistEntry> &back = loaded.ok() ? loaded.value().rows : none;
        const bool titles = qstrcmp(extension, "ram") != 0;
        const bool asx = qstrcmp(extension, "asx") == 0;
        for (size_t i = 0; i < rows.size(); ++i) {
            const PlaylistEntry &row = rows[i];
            QString title = titles ? listText(row.title).trimmed() : QString();
            // ASX gives every row a title, its name where it has none; of a local file's row,
            // its name is no title.
            const QString name = listText(row.name).trimmed();
            if (asx && row.isLocal() && title == name)
                title.clear();
            else if (asx && !row.isLocal() && title.isEmpty())
                title = name;
            const int length = titles ? row.length : -1;
            if (i < back.size() && back[i].path == row.path && back[i].title == title &&
                back[i].length == length)
                continue;
            ++lost;
            std::fprintf(stderr, "%s row %zu: path %s title %s length %d\n", extension, i + 1,
                         shown(row.path).constData(), shown(row.title).constData(), row.length);
            if (i < back.size())
                std::fprintf(stderr, "  read back as path %s title %s length %d, not title %s\n",
                             shown(back[i].path).constData(), shown(back[i].title).constData(),
                             back[i].length, shown(title).constData());
            else
                std::fprintf(stderr, "  not read back (%zu rows): %s\n", back.size(),
                             qPrintable(loaded.ok() ? QString() : loaded.error()));
        }
        if (back.size() > rows.size())
            ++lost;
    }
    counts.lost += lost;
    if (lost > 0)
        std::abort();
    return 0;
}
