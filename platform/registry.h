#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Where the system names its system-information tool: the tool's full path.
namespace SystemInfoKeys {
inline constexpr char ToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char ToolValue[] = "PATH";
} // namespace SystemInfoKeys

// The system's configuration store, read only. It holds text values: the characters in the
// system's 8-bit encoding, normally followed by a NUL.
class Registry {
public:
    virtual ~Registry() = default;
    // The value's bytes as stored, or nothing when the key cannot be opened or holds no value
    // of that name. Key and value names match without regard to case.
    virtual std::optional<QByteArray> value(const QString &key, const QString &valueName) const = 0;
};
