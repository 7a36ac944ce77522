#include "playlist/playlistreader.h"

#include "platform/codepage.h"
#include "playlist/playlistentry.h"
#include "playlist/playlisttexts.h"
#include "playlist/profilefile.h"
#include "playlist/textlines.h"

#include <QStringDecoder>
#include <QUrl>

namespace {

// Other players write local files as URIs, percent-escapes and all.
QString localPathOf(const QString &entry) {
    if (!entry.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        return entry;
    QUrl url(entry);
    if (url.host() == QLatin1String("localhost"))
        url.setHost({});
    return url.toLocalFile();
}

// The entries of a playlist of one path a line: every line that is not empty (nor, with
// hashComments, starts with "#") becomes a path through pathOf; a line that gives no path fails
// the read with its number.
Result<QStringList> linePaths(const QString &text, const QString &list, bool hashComments,
                              QString (*pathOf)(const QString &line)) {
    const QStringList lines = splitLines(text);
    QStringList paths;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.isEmpty() || (hashComments && line.startsWith(QLatin1Char('#'))))
            continue;
        const QString path = pathOf(line);
        if (path.isEmpty())
            return Failure{PlaylistTexts::blankLine(list, int(i + 1))};
        paths << path;
    }
    if (paths.size() > MaxRows)
        return Failure{PlaylistTexts::tooManyEntries(list, paths.size(), MaxRows)};
    return paths;
}

} // namespace

QString decodePlaylistText(const QByteArray &bytes, const CodePage &codePage, bool utf8Only) {
    // A byte-order mark names the encoding, whatever else is asked; the decoder drops the mark.
    if (const std::optional<QStringConverter::Encoding> marked =
            QStringConverter::encodingForData(bytes))
        return QStringDecoder(*marked).decode(bytes);
    if (utf8Only)
        return QString::fromUtf8(bytes);
    if (std::optional<QString> text = codePage.decode(bytes))
        return *text;
    QStringDecoder gb18030("GB18030");
    return gb18030.decode(bytes);
}

Result<QStringList> readPlsPaths(const QString &text, const QString &list) {
    const QStringList lines = splitLines(text);
    if (lines.isEmpty() || lines.first().toLower() != QLatin1String("[playlist]"))
        return Failure{PlaylistTexts::notPls()};

    const QString section = QStringLiteral("playlist");
    const ProfileFile profile(text);
    const int count = profile.intValue(section, QStringLiteral("NumberOfEntries"), 0);
    if (count > MaxRows)
        return Failure{PlaylistTexts::tooManyEntries(list, count, MaxRows)};
    QStringList paths;
    for (int number = 1; number <= count; ++number) {
        const QString path = profile.value(section, QStringLiteral("file%1").arg(number))
                                 .value_or(QString())
                                 .trimmed();
        if (path.isEmpty())
            return Failure{PlaylistTexts::missingPlsEntry(list, number)};
        paths << path;
    }
    return paths;
}

Result<QStringList> readM3uPaths(const QString &text, const QString &list) {
    return linePaths(text, list, true,
                     [](const QString &line) { return localPathOf(line.trimmed()); });
}

Result<QStringList> readRamPaths(const QString &text, const QString &list) {
    return linePaths(text, list, false, [](const QString &line) { return line.mid(7).trimmed(); });
}
