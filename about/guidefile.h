#pragma once

#include <QString>

// The guide that Help > 指南 opens, for a program in programFolder: where the install puts it
// (the data folder, relative to the program's folder), else beside the program as in a build
// tree. When neither exists, the installed place, so the message names where the guide belongs.
QString guideFile(const QString &programFolder);
