#pragma once

#include <QDir>
#include <QFile>

#include <sys/mount.h>

// A small tmpfs of its own at a folder, for one test or row, unmounted when
// this goes. Mounting needs root with CAP_SYS_ADMIN: skip when not mounted.
struct TmpfsMount {
    QByteArray path;
    bool mounted;

    explicit TmpfsMount(const QString &at, const char *options = "size=64k")
        : path(QFile::encodeName(at))
        , mounted(QDir().mkpath(at) && ::mount("tmpfs", path, "tmpfs", 0, options) == 0)
    { }
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;
    ~TmpfsMount()
    {
        // Detached, so that a folder still in use inside cannot keep it.
        if (mounted)
            ::umount2(path, MNT_DETACH);
    }

    bool readOnly()
    {
        return ::mount("tmpfs", path, "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
};
