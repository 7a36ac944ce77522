#include "platform/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

CodePage::CodePage(QByteArray charset)
    : m_charset(std::move(charset)) {}

std::optional<QByteArray> CodePage::encode(const QString &text) const {
    QStringEncoder encoder(m_charset.constData(), QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    // Codecs substitute what they cannot map; a round trip shows whether anything was lost.
    if (encoder.hasError() || decode(bytes) != text)
        return std::nullopt;
    return bytes;
}

std::optional<QString> CodePage::decode(const QByteArray &bytes) const {
    QStringDecoder decoder(m_charset.constData(), QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}
