#pragma once

#include <QByteArrayView>
#include <QString>

namespace plandex {

// Reads bytes as a room file. A room that loads must write and load again
// to the same room, and write to the same bytes a second time. Returns
// what went wrong, or an empty text.
QString checkRoomFile(QByteArrayView bytes);

} // namespace plandex
