#include "playlist/windowspath.h"

#include "platform/filefacts.h"

#include <QUrl>

namespace {

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

// Where the path after "X:\" starts, also after the "/" that a file:///X:/ URI leaves before it;
// -1 for a path without a drive.
qsizetype afterDrive(const QString &path) {
    const qsizetype drive = path.startsWith(u'/') ? 1 : 0;
    if (path.size() < drive + 3 || !isAsciiLetter(path[drive]) || path[drive + 1] != u':' ||
        !isSeparator(path[drive + 2]))
        return -1;
    return drive + 3;
}

// "\\server\share\a.mp3" as smb://server/share/a.mp3, escaped where a URI needs it.
std::optional<QString> smbAddress(const QString &path) {
    const QString rest = path.mid(2).replace(u'\\', u'/');
    const qsizetype slash = rest.indexOf(u'/');
    QUrl url;
    url.setScheme(QStringLiteral("smb"));
    url.setHost(rest.left(slash));
    if (slash >= 0)
        url.setPath(rest.mid(slash), QUrl::DecodedMode);
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    return url.toString();
}

} // namespace

std::optional<WindowsLocation> windowsLocation(const QString &path, const QDir &listFolder) {
    // A path from the root without a drive is a Linux path, whatever "\\" it holds.
    const qsizetype drive = afterDrive(path);
    if (drive < 0 && (!path.contains(u'\\') || path.startsWith(u'/')))
        return std::nullopt;
    if (FileFacts::exists(pathFrom(listFolder, path)))
        return std::nullopt;
    if (path.startsWith(QLatin1String("\\\\"))) {
        if (std::optional<QString> address = smbAddress(path))
            return WindowsLocation{*address, true, false};
    }
    const QString slashed = QString(path).replace(u'\\', u'/');
    if (drive >= 0 || path.startsWith(u'\\')) {
        // The list's folder stands for the root of its drive, as on a stick or a copied disk.
        const QString below =
            QDir::cleanPath(listFolder.absolutePath() + u'/' + slashed.mid(drive >= 0 ? drive : 1));
        if (FileFacts::exists(below))
            return WindowsLocation{below, false, true};
        return WindowsLocation{path.startsWith(u'/') ? path.mid(1) : path, false, false};
    }
    // Naming nothing either way, the path stays as written, so that a save loses nothing of it.
    const QString found = pathFrom(listFolder, slashed);
    if (!FileFacts::exists(found))
        return std::nullopt;
    return WindowsLocation{found, false, !slashed.startsWith(u'/')};
}

QString pathFrom(const QDir &folder, const QString &path) {
    const QString joined = path.startsWith(u'/') ? path : folder.absolutePath() + u'/' + path;
    // Such a path names no file and stays as written: cleaning megabytes of it would cost more
    // than the rest of an Open.
    return FileFacts::isTooLong(joined) ? joined : QDir::cleanPath(joined);
}

QString localFileName(const QString &path) {
    if (path.startsWith(u'/'))
        return path.mid(path.lastIndexOf(u'/') + 1);
    return path.mid(std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
}
