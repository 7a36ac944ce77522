#include "playlist/entrylocations.h"

#include "playlist/listtext.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

// Players read "#" and "?" as the start of a fragment or a query, and "%41" as an escape; every
// reader trims blanks off an entry; an XML file cannot hold what list texts drop, and a
// line-based one should not.
bool isMisreadAsPath(const QString &path) {
    static const QRegularExpression uriLike(QStringLiteral("[#?]|%[0-9A-Fa-f]{2}"));
    if (path.isEmpty())
        return false;
    if (path.front().isSpace() || path.back().isSpace() || uriLike.match(path).hasMatch())
        return true;
    const QList<uint> characters = path.toUcs4();
    return std::any_of(characters.cbegin(), characters.cend(), isDroppedFromTexts);
}

// A relative name that a reader would take for something else: a URI or a drive ("file:a",
// "c:a"), a Windows path from the root ("\a"), a Qt resource (":/a"), another format's first
// line ("[playlist]", "<asx>", a byte-order mark), the end of a RAM file, a PLS value in quotes.
// "./" before it names the same file.
QString unambiguousRelative(const QString &relative) {
    static const QRegularExpression misread(
        QStringLiteral(R"(^(?:[a-z][a-z0-9+.-]*:|[\\\[<:\x{feff}]|--stop--$|(["']).*\1$))"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return misread.match(relative).hasMatch() ? QStringLiteral("./") + relative : relative;
}

// A Linux path that starts like a drive ("/c:/a") is, to a reader, one that a file:///C:/ URI
// gave; "/./c:/a" names the same file.
QString unambiguous(const QString &path) {
    static const QRegularExpression drive(QStringLiteral(R"(^/[a-z]:[/\\])"),
                                          QRegularExpression::CaseInsensitiveOption);
    return drive.match(path).hasMatch() ? QStringLiteral("/.") + path : path;
}

// QUrl::fromLocalFile would spoil the noncharacters beyond U+FFFF, which a name may hold.
QString fileUri(const QString &path, const QByteArray &kept = "/:@!$&'()*+,;=~") {
    return QStringLiteral("file://") +
           QString::fromLatin1(QUrl::toPercentEncoding(unambiguous(path), kept));
}

// An address with what list texts drop escaped, so that it keeps its meaning.
QString writableAddress(const QString &address) {
    const QList<uint> characters = address.toUcs4();
    if (std::none_of(characters.cbegin(), characters.cend(), isDroppedFromTexts))
        return address;
    QString escaped;
    for (const char32_t c : characters)
        escaped += isDroppedFromTexts(c)
                       ? QString::fromLatin1(QUrl::toPercentEncoding(characterText(c)))
                       : characterText(c);
    return escaped;
}

// A relative reference as a URI holds it: "%", blanks, what a URI may not hold and what list
// texts drop, escaped; letters of every script kept, as IRIs keep them.
QString uriReference(const QString &relative) {
    QString reference;
    for (const char32_t c : relative.toUcs4()) {
        const bool kept = c >= 0x80 && !isDroppedFromTexts(c) && !QChar::isSpace(c);
        reference +=
            kept
                ? characterText(c)
                : QString::fromLatin1(QUrl::toPercentEncoding(characterText(c), "/!$&'()*+,;=:@~"));
    }
    return reference;
}

// The first folder below the root of an absolute path ("media" of "/media/usb/a.mp3").
QString topFolderOf(const QString &path) {
    return path.section(QLatin1Char('/'), 1, 1);
}

} // namespace

EntryLocations::EntryLocations(const QString &target, const WriteOptions &options)
    : m_folder(QFileInfo(target).absoluteDir())
    , m_topFolder(topFolderOf(m_folder.absolutePath()))
    , m_relative(options.relative)
    , m_windowsSeparators(options.windowsSeparators) {}

std::optional<QString> EntryLocations::relativePath(const PlaylistEntry &row) const {
    const bool wanted = m_relative == WriteOptions::Relative::Always ||
                        (m_relative == WriteOptions::Relative::AsListed && row.relative);
    if (!wanted || !row.isLocal() || !row.path.startsWith(QLatin1Char('/')))
        return std::nullopt;
    // Sharing no folder but the root, the two are on different disks or in different trees:
    // a relative path would break as soon as either of them moves.
    if (m_topFolder.isEmpty() || topFolderOf(row.path) != m_topFolder)
        return std::nullopt;
    const QString path = m_folder.relativeFilePath(row.path);
    if (path.isEmpty() || path == QLatin1String("."))
        return std::nullopt;
    return path;
}

QString EntryLocations::plain(const PlaylistEntry &row) const {
    if (!row.isLocal())
        return writableAddress(row.path);
    const std::optional<QString> relative = relativePath(row);
    if (relative && !isMisreadAsPath(*relative))
        return withSeparators(unambiguousRelative(*relative));
    return relative || isMisreadAsPath(row.path) ? fileUri(row.path) : unambiguous(row.path);
}

QString EntryLocations::ram(const PlaylistEntry &row) const {
    if (!row.isLocal())
        return writableAddress(row.path);
    const std::optional<QString> relative = relativePath(row);
    if (relative && !isMisreadAsPath(*relative))
        return withSeparators(unambiguousRelative(*relative));
    return fileUri(row.path, "/\\:@!$&'()*+,;=~");
}

QString EntryLocations::xspf(const PlaylistEntry &row) const {
    if (!row.isLocal())
        return writableAddress(row.path);
    if (const std::optional<QString> relative = relativePath(row))
        return uriReference(unambiguousRelative(*relative));
    return fileUri(row.path);
}

QString EntryLocations::withSeparators(const QString &relative) const {
    return m_windowsSeparators ? QString(relative).replace(QLatin1Char('/'), QLatin1Char('\\'))
                               : relative;
}
