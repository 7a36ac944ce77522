#pragma once

#include <QString>

// File and folder names that FAT32, exFAT and NTFS take, as sticks and Windows disks need them,
// and that every list format names as a plain relative path.
namespace FatNames {

// The longest name, in UTF-16 units as those disks count, and in UTF-8 bytes as Linux file
// systems count: a name within both fits everywhere.
inline constexpr int MaxLength = 255;

// The name as those disks take it: \ : * ? " < > | and control characters become "_", and so do
// "#" and a "%" before two hex digits, which players read as a fragment or an escape; blanks at
// the start and dots and blanks at the end go (players trim the one, Windows drops the other);
// a device name that Windows reserves (CON, NUL, COM1…) gets "_" after it; nothing left is "_";
// a name too long is cut before its extension.
QString legal(const QString &name);
// A legal name with prefix before it and, from number 2 on, " (number)" before its extension,
// cut before the extension where it would pass MaxLength.
QString variant(const QString &legalName, const QString &prefix, int number);
// The same text for two paths those disks take for one: they ignore case.
QString key(const QString &path);

} // namespace FatNames
