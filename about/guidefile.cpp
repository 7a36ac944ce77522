#include "about/guidefile.h"

#include <QDir>
#include <QFileInfo>

QString guideFile(const QString &programFolder) {
    const QDir folder(programFolder);
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral(VANTREL_GUIDE_FOLDER "/readme.txt")));
    const QString beside = folder.filePath(QStringLiteral("readme.txt"));
    if (!QFileInfo::exists(installed) && QFileInfo::exists(beside))
        return beside;
    return installed;
}
