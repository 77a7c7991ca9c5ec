#pragma once

#include <QByteArray>
#include <QString>

namespace plandex {

// Room files hold 8-bit text in the Windows-1251 code page. A character
// the code page cannot hold is written as the encoder's substitute byte.
QByteArray toCodePage(const QString &text);
QString fromCodePage(const QByteArray &bytes);

// An object's name as the room file will keep it: control characters
// (which would break the file's record marks) removed, characters the code
// page cannot hold replaced by "?".
QString cleanObjectName(const QString &typed);

} // namespace plandex
