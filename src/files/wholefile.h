#pragma once

#include <QByteArray>
#include <QString>

namespace plandex {

// Larger files are never room files; reading them whole would only waste
// memory.
inline constexpr qint64 maxWholeFileSize = 64 * 1024 * 1024;

enum class ReadProblem { None, Missing, NotRegular, TooLarge, Unreadable };

struct WholeFile {
    QByteArray bytes;
    ReadProblem problem = ReadProblem::None;
};

// The whole content of a regular file of at most maxWholeFileSize bytes.
// Anything else (a folder, a fifo, a device) is refused before it is
// opened, so that reading can never block.
WholeFile ReadWholeFile(const QString &path);

// Writes bytes as the whole content of the file, safely (see
// saveFileSafely); returns why it failed, or an empty text.
QString WriteWholeFile(const QString &path, const QByteArray &bytes);

} // namespace plandex
