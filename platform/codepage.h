#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The system's character set, in which playlists are written and file-dialog results are
// counted. On Linux it is the locale's codeset; tests construct any other one directly.
class CodePage {
public:
    // charset is a name the text codecs know ("UTF-8", "GBK", "GB18030").
    explicit CodePage(QByteArray charset);

    // The locale's character set; UTF-8 where the locale is plain ASCII or unknown to the codecs.
    static CodePage system();

    // The text's bytes, or nothing when the character set cannot hold every character.
    std::optional<QByteArray> encode(const QString &text) const;
    // The text of bytes, or nothing when they are not valid in this character set.
    std::optional<QString> decode(const QByteArray &bytes) const;

private:
    QByteArray m_charset;
};
