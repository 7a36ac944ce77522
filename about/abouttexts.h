#pragma once

#include <QString>

// Texts of the About box and of the system-information command.
namespace AboutTexts {

// "关于 Vantrel"
QString caption(const QString &title);
// "版本 1.0.9": every part of the version, in plain digits.
QString versionLine();
QString copyright();
QString mailLabel(const QString &address);
QString noSystemInfo();
// No program could open the target (a file path or an address), or the file is not there.
QString cannotOpen(const QString &target);

} // namespace AboutTexts
