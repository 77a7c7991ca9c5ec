#include "history/rowcommand.h"

#include "history/historytarget.h"

namespace plandex {

RowCommand::RowCommand(HistoryTarget &room, Change change, int index, ObjectTable::Row row)
    : RoomCommand(room)
    , m_change(change)
    , m_index(index)
    , m_row(std::move(row))
{ }

void RowCommand::apply()
{
    m_change == Change::Added ? putBack() : takeAway();
}

void RowCommand::revert()
{
    m_change == Change::Added ? takeAway() : putBack();
}

void RowCommand::putBack()
{
    m_room.table().insertAt(m_index, m_row);
    m_room.showRestored(m_index);
}

void RowCommand::takeAway()
{
    m_room.table().removeAt(m_index);
    m_room.showRestored(-1);
}

} // namespace plandex
