#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace plandex {

// Every file the program writes goes through here: the content goes to a
// temporary file beside the target, takes the old file's owner, group and
// mode, is flushed to disk and renamed over the target, and then the
// folder is synced. A failure leaves an old file
// at the target exactly as it was. Returns why it failed, in Russian (the
// system's own text where the cause has no text of ours), or an empty text
// on success. write returns false when it could not write all.
QString saveFileSafely(const QString &path, const std::function<bool(QIODevice &)> &write);

// The file that a save to path replaces: where its symbolic links lead,
// so that the links stay links. A loop of links gives path itself.
QString savedFile(const QString &path);

// What the user is told when saving to path failed for reason.
QString saveFailureMessage(const QString &path, const QString &reason);

} // namespace plandex
