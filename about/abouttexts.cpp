#include "about/abouttexts.h"

#include "about/version.h"
#include "playlist/playlisttexts.h"

namespace AboutTexts {

QString caption(const QString &title) {
    return QStringLiteral("关于 ") + title;
}

QString versionLine() {
    return QStringLiteral("版本 ") + Version::text();
}

QString copyright() {
    return QStringLiteral("版权所有 © 2026 Vantrel 作者，Vantrel 工作室出品。");
}

QString mailLabel(const QString &address) {
    return QStringLiteral("E_mail:") + address;
}

QString noSystemInfo() {
    return QStringLiteral("此时系统信息不可用");
}

QString cannotOpen(const QString &target) {
    return QStringLiteral("没能打开“%1”：文件不存在，或者本机没有能打开它的程序。")
        .arg(PlaylistTexts::shortened(target));
}

} // namespace AboutTexts
