#pragma once

#include <QByteArray>
#include <QString>

namespace plandex {

// A path names bytes, not text: a file name may hold any byte but "/" and
// NUL, UTF-8 or not. Paths are held as text that gives the same bytes back:
// valid UTF-8 is decoded, and each byte of anything else is held as the
// lone surrogate U+DC80 + (byte - 0x80), which no decoded text holds. Qt's
// own conversion (QFile::encodeName) turns such bytes into U+FFFD, so every
// path that reaches the file system goes through pathBytes.
QString pathFromBytes(QByteArrayView bytes);
QByteArray pathBytes(QStringView path);

// path made absolute against the working folder, as bytes; "." and ".."
// stay as they are.
QByteArray absolutePathBytes(QStringView path);

// Whether two paths name the same file, whatever links lead there; false
// when either does not exist.
bool isSameFile(const QString &a, const QString &b);

// Whether a file the program names itself may be a symbolic link to
// somewhere else. Files of its own (recovery) are never reached through one.
enum class Links { Follow, Refuse };

} // namespace plandex
