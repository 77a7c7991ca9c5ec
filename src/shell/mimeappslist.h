#pragma once

#include <QByteArray>
#include <QString>

namespace plandex {

// The text of a mimeapps.list with desktopFile made the default for
// mimeType under [Default Applications]. Only that key's lines change (or
// one line is added, and the group if missing); every other line, comment
// and group stays byte for byte.
QByteArray withDefaultApplication(
    const QByteArray &list, const QString &mimeType, const QString &desktopFile);

} // namespace plandex
