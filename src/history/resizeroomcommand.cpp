#include "history/resizeroomcommand.h"

#include "history/historytarget.h"

namespace plandex {

ResizeRoomCommand::ResizeRoomCommand(HistoryTarget &room, QSize other)
    : RoomCommand(room)
    , m_other(other)
{ }

void ResizeRoomCommand::swap()
{
    m_other = m_room.resizeRoom(m_other);
}

} // namespace plandex
