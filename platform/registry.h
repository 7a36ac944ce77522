#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

enum class RegistryRoot { LocalMachine };

// Where the system names its system-information tool: the tool's full path, or else the folder
// that holds MSINFO32.EXE.
namespace SystemInfoKeys {
inline constexpr char ToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char ToolValue[] = "PATH";
inline constexpr char FolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char FolderValue[] = "MSINFO";
inline constexpr char ToolFileName[] = "MSINFO32.EXE";
} // namespace SystemInfoKeys

// One stored value of the system's configuration store, its bytes as stored.
struct RegistryValue {
    enum class Type { Text, Number, Other };

    Type type = Type::Other;
    // Text: the characters in the system's 8-bit encoding, normally followed by a NUL.
    // Number: four bytes, least significant first.
    QByteArray data;

    static RegistryValue text(const QString &text);
    static RegistryValue number(quint32 number);
};

// The system's configuration store, read only.
class Registry {
public:
    virtual ~Registry() = default;
    // The value, or nothing when the key cannot be opened or holds no value of that name.
    // Key and value names match without regard to case.
    virtual std::optional<RegistryValue> value(RegistryRoot root, const QString &key,
                                               const QString &valueName) const = 0;
};
