#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace plandex {

// Room files hold 8-bit text in the Windows-1251 code page. toCodePage
// writes a character the code page cannot hold as the encoder's substitute
// byte; names go through withCharacterReferences first and lose nothing.
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

// Appends a name as the code page can hold it whole: each character the
// code page cannot hold as a numeric character reference of its code point
// ("&#233;"), and each "&" that begins text of that form ("&#65;") as
// "&#38;", so that no text of the name is taken for a reference. A name
// with neither is appended as it is.
void appendWithCharacterReferences(QString &out, QStringView name);
// The name again: "&#38;" is "&", and "&#N;" the character N when the code
// page cannot hold it; any other text stays as written, so a file of an
// older writer reads as it always did.
QString withoutCharacterReferences(QStringView text);

// An object's name as the room file will keep it: control characters
// (which would break the file's record marks) removed.
QString cleanObjectName(const QString &typed);

} // namespace plandex
