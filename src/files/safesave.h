#pragma once

#include "files/filepath.h"

#include <QString>

#include <functional>

class QIODevice;

namespace plandex {

// Every file the program writes goes through here: the content goes to a
// temporary file beside the target, takes the old file's owner, group and
// mode, is synced to disk and renamed over the target, and then the folder
// is synced. Every write is checked, so a full disk fails the save rather
// than leave a cut-off file. A failure leaves an old file at the target
// exactly as it was. Only a regular file is ever replaced: a folder, fifo,
// device or socket there is refused and left alone. A symbolic link is
// followed only as the kernel follows it for a user it protects: in a
// sticky folder that anyone may write, only a link of the folder's owner
// or of the user (see savedFile); with Links::Refuse, a link at path is
// refused. Returns why it failed, in Russian (the system's own text where
// the cause has no text of ours), or an empty text on success. write
// returns false when it could not write all.
QString saveFileSafely(const QString &path, const std::function<bool(QIODevice &)> &write,
    Links links = Links::Follow);

// The file that a save to path replaces: where its symbolic links lead,
// so that the links stay links. A loop of links, or a link that may not be
// followed, gives path itself.
QString savedFile(const QString &path);

// The reason for a system error, as saveFileSafely gives it; errno must be
// read right after the call that failed.
QString saveFailureReason(int error);

// What the user is told when saving to path failed for reason.
QString saveFailureMessage(const QString &path, const QString &reason);

} // namespace plandex
