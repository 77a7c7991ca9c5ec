#include "history/replaceroomcommand.h"

namespace plandex {

ReplaceRoomCommand::ReplaceRoomCommand(HistoryTarget &room, RoomContents other)
    : RoomCommand(room)
    , m_other(std::move(other))
{ }

void ReplaceRoomCommand::swap()
{
    m_other = m_room.exchangeRoom(std::move(m_other));
}

} // namespace plandex
