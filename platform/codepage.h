#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A character set that playlists are written in. Linux names files in UTF-8, so that is what
// the save commands hand the writer; the writer keeps GBK and the others for lists meant for
// Windows players.
class CodePage {
public:
    // charset is a name the text codecs know ("UTF-8", "GBK", "GB18030").
    explicit CodePage(QByteArray charset);

    // The text's bytes, or nothing when the character set cannot hold every character.
    std::optional<QByteArray> encode(const QString &text) const;
    // The text of bytes, or nothing when they are not valid in this character set.
    std::optional<QString> decode(const QByteArray &bytes) const;

private:
    QByteArray m_charset;
};
