#pragma once

#include <QHash>
#include <QString>

#include <optional>

// An INI-style profile file, parsed once. Section and key names match in any case; the first
// section of a name and, within it, the first key of a name count. Values are read whole,
// with the blanks around them and one matching pair of outer quotes removed.
class ProfileFile {
public:
    explicit ProfileFile(const QString &text);

    std::optional<QString> value(const QString &section, const QString &key) const;
    // Leading blanks, an optional sign, then digits up to the first non-digit; no digit gives
    // 0, a missing key the default. Values beyond the range of int are clamped.
    int intValue(const QString &section, const QString &key, int defaultValue) const;

private:
    QHash<QString, QHash<QString, QString>> m_sections;
};
