#include "history/rewriterowcommand.h"

#include "history/historytarget.h"

namespace plandex {

RewriteRowCommand::RewriteRowCommand(HistoryTarget &room, int index, ObjectTable::Row other)
    : RoomCommand(room)
    , m_index(index)
    , m_other(std::move(other))
{ }

void RewriteRowCommand::swap()
{
    ObjectTable &table = m_room.table();
    ObjectTable::Row shown = table.row(m_index);
    table.rewrite(m_index, m_other.name, m_other.x, m_other.y);
    m_other = std::move(shown);
    m_room.showRestored(m_index);
}

} // namespace plandex
