#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace plandex {

// The text of a mimeapps.list with desktopFile made the default for
// mimeType under [Default Applications], unless the type has a default
// there already: the user's choice of another application is kept, and so
// is a line that names ours. Only a line with no application changes (or
// one line is added, and the group if missing); every other line, comment
// and group stays byte for byte.
QByteArray withDefaultApplication(
    const QByteArray &list, const QString &mimeType, const QString &desktopFile);

// No real list comes near this size; a larger one is left alone, unread.
inline constexpr qint64 maxMimeappsListSize = qint64(1024) * 1024;

// The same on the list at path, written through the safe writer; a list
// that is not a readable file is left alone. beforeRename runs after our
// text is written and before it replaces the list. True when it wrote.
bool setDefaultApplication(const QString &path, const QString &mimeType, const QString &desktopFile,
    const std::function<void()> &beforeRename = {});

// Whether the lists, in the order the desktop looks them up, leave the
// default for mimeType as it is: one of them names a default for it, or
// removes desktopFile's association with it before any names one, or one
// of them is too large to tell.
bool defaultIsSettled(
    const QStringList &lists, const QString &mimeType, const QString &desktopFile);

// The mimeapps.list files the desktop looks in, in its order: for each of
// the folders, first the lists of the current desktops, then the plain one.
QStringList mimeappsLists(const QStringList &folders, const QStringList &desktops);

} // namespace plandex
