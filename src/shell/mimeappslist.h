#pragma once

#include <QByteArray>
#include <QString>

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

// The same on the list at path, written through the safe writer; a list
// that is not a readable file is left alone. beforeRename runs after our
// text is written and before it replaces the list. True when it wrote.
bool setDefaultApplication(const QString &path, const QString &mimeType, const QString &desktopFile,
    const std::function<void()> &beforeRename = {});

} // namespace plandex
