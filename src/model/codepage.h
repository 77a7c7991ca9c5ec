#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace plandex {

// Room files hold 8-bit text in the Windows-1251 code page. A character
// the code page cannot hold is written as the encoder's substitute byte.
QByteArray toCodePage(const QString &text);
QString fromCodePage(const QByteArray &bytes);

// The text of bytes, one character per byte, or the offset of the first
// byte the code page maps to no character.
struct CodePageText {
    QString text;
    qsizetype badByte = -1;
};
CodePageText decodeCodePage(QByteArrayView bytes);

// The bytes of a text that reads back exactly as given; empty when a
// character has no byte of its own in the code page.
std::optional<QByteArray> encodeCodePage(QStringView text);

// An object's name as the room file will keep it: control characters
// (which would break the file's record marks) removed, characters the code
// page cannot hold replaced by "?".
QString cleanObjectName(const QString &typed);

} // namespace plandex
