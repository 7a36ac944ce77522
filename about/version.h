#pragma once

#include <QString>

// The program's version. The build sets it from the CMake project version, its one source.
namespace Version {

inline constexpr int Major = VANTREL_VERSION_MAJOR;
inline constexpr int Minor = VANTREL_VERSION_MINOR;
inline constexpr int Revision = VANTREL_VERSION_PATCH;

// "1.0.9"
inline QString text() {
    return QStringLiteral("%1.%2.%3")
        .arg(QString::number(Major), QString::number(Minor), QString::number(Revision));
}

} // namespace Version
