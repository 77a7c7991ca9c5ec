#pragma once

#include "files/filepath.h"

#include <QByteArray>
#include <QString>

namespace plandex {

// Larger files are never room files; reading them whole would only waste
// memory.
inline constexpr qint64 maxWholeFileSize = qint64(64) * 1024 * 1024;

enum class ReadProblem { None, Missing, NotRegular, TooLarge, Unreadable };

struct WholeFile {
    QByteArray bytes;
    ReadProblem problem = ReadProblem::None;
};

// The whole content of a regular file of at most limit bytes. Anything
// else (a folder, a fifo, a device, with Links::Refuse a link) is refused
// before it is opened, so that reading can never block.
WholeFile ReadWholeFile(
    const QString &path, Links links = Links::Follow, qint64 limit = maxWholeFileSize);

// Writes bytes as the whole content of the file, safely (see
// saveFileSafely); returns why it failed, or an empty text.
QString WriteWholeFile(const QString &path, const QByteArray &bytes, Links links = Links::Follow);

} // namespace plandex
