#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <sys/mount.h>

// A 32 KiB tmpfs over a new folder, for as long as this object lives: a disk that a test can
// fill. Mounting needs root (CAP_SYS_ADMIN); where it is refused, `refusal` says why, for the
// test's skip message.
class SmallDisk {
public:
    explicit SmallDisk(const QString &folder)
        : m_folder(QFile::encodeName(folder)) {
        QDir().mkpath(folder);
        if (::mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=32k") != 0)
            refusal = QStringLiteral("mounting a 32 KiB tmpfs needs root (CAP_SYS_ADMIN): ") +
                      qt_error_string(errno);
    }
    ~SmallDisk() {
        if (refusal.isEmpty())
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    // Makes the disk read-only from now on.
    bool makeReadOnly() const {
        return ::mount("tmpfs", m_folder.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                       "size=32k") == 0;
    }

    QString refusal;

private:
    QByteArray m_folder;
};
