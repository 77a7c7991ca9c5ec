#pragma once

#include "files/filepath.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace plandex {

// The file a save to a path replaces. Its symbolic links are followed the
// way the kernel follows them for a user it protects from others' links:
// in a sticky folder that anyone may write (such as /tmp), only a link that
// belongs to the user or to the folder's owner is followed. Anything there
// but a regular file is refused.
struct SaveTarget {
    // With every link followed; what was refused, or could not be
    // followed, gives the path as it was.
    QByteArray path;
    bool exists = false;
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
    // Why it may not be written: the system's error, or a reason of ours.
    int error = 0;
    QString refusal;

    bool refused() const { return error != 0 || !refusal.isEmpty(); }
};

SaveTarget findSaveTarget(const QString &path, Links links);

// Why what stands at path now may not be replaced by a save; empty for
// nothing there or a regular file. Asked again just before the rename.
QString replaceRefusal(const QByteArray &path);

} // namespace plandex
