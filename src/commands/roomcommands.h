#pragma once

#include <QtGlobal>

namespace plandex {

class Editor;

// Rooms whose size is changed may be from 50 x 50 up to this many
// centimetres a side, the most a room file holds.
inline constexpr int largestRoomSide = 4096;

// Gives the room width x height cm, keeping every object, as one undo
// step. A size beyond the limits, or one that would leave an object
// outside the room, is refused with a message (naming the first such
// object) and changes nothing. True when the room has that size now.
bool resizeRoomTo(Editor &editor, qint64 width, qint64 height);

} // namespace plandex
