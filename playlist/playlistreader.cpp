#include "playlist/playlistreader.h"

#include "app/playlistmodel.h"
#include "platform/codepage.h"
#include "playlist/playlisttexts.h"
#include "playlist/profilefile.h"
#include "playlist/textlines.h"

#include <QStringDecoder>
#include <QUrl>

namespace {

PlaylistPaths failure(const QString &error) {
    return {PlaylistPaths::Status::Failed, {}, error};
}

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
PlaylistPaths linePaths(const QString &text, const QString &list, bool hashComments,
                        QString (*pathOf)(const QString &line)) {
    const QStringList lines = splitLines(text);
    PlaylistPaths result;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.isEmpty() || (hashComments && line.startsWith(QLatin1Char('#'))))
            continue;
        const QString path = pathOf(line);
        if (path.isEmpty())
            return failure(PlaylistTexts::blankLine(list, int(i + 1)));
        result.paths << path;
    }
    return result;
}

} // namespace

QString decodePlaylistText(const QByteArray &bytes, const CodePage &codePage, bool utf8Only) {
    static const QByteArray utf8Bom("\xEF\xBB\xBF");
    if (bytes.startsWith(utf8Bom))
        return QString::fromUtf8(bytes.mid(utf8Bom.size()));
    if (utf8Only)
        return QString::fromUtf8(bytes);
    if (std::optional<QString> text = codePage.decode(bytes))
        return *text;
    QStringDecoder gb18030("GB18030");
    return gb18030.decode(bytes);
}

PlaylistPaths readPlsPaths(const QString &text, const QString &list) {
    const QStringList lines = splitLines(text);
    if (lines.isEmpty() || lines.first().toLower() != QLatin1String("[playlist]"))
        return {PlaylistPaths::Status::NotPls, {}, PlaylistTexts::notPls()};

    const QString section = QStringLiteral("playlist");
    const ProfileFile profile(text);
    const int count = profile.intValue(section, QStringLiteral("NumberOfEntries"), 0);
    if (count > PlaylistModel::MaxRows)
        return failure(PlaylistTexts::tooManyEntries(list, count, PlaylistModel::MaxRows));
    PlaylistPaths result;
    for (int number = 1; number <= count; ++number) {
        const QString path = profile.value(section, QStringLiteral("file%1").arg(number))
                                 .value_or(QString())
                                 .trimmed();
        if (path.isEmpty())
            return failure(PlaylistTexts::missingPlsEntry(list, number));
        result.paths << path;
    }
    return result;
}

PlaylistPaths readM3uPaths(const QString &text, const QString &list) {
    return linePaths(text, list, true,
                     [](const QString &line) { return localPathOf(line.trimmed()); });
}

PlaylistPaths readRamPaths(const QString &text, const QString &list) {
    return linePaths(text, list, false, [](const QString &line) { return line.mid(7).trimmed(); });
}
