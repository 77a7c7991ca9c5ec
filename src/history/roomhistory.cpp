#include "history/roomhistory.h"

#include "history/replaceroomcommand.h"
#include "history/resizeroomcommand.h"
#include "history/rewriterowcommand.h"
#include "history/rowcommand.h"

namespace plandex {

RoomHistory::RoomHistory(HistoryTarget &room)
    : m_room(room)
{
    m_stack.setUndoLimit(stepLimit);
}

void RoomHistory::rowAdded(int i)
{
    m_stack.push(new RowCommand(m_room, RowCommand::Change::Added, i, m_room.table().row(i)));
}

void RoomHistory::rowRewritten(int i, const ObjectTable::Row &before)
{
    const ObjectTable::Row &after = m_room.table().row(i);
    if (after.name == before.name && after.x == before.x && after.y == before.y)
        return;
    m_stack.push(new RewriteRowCommand(m_room, i, before));
}

void RoomHistory::rowRemoved(int i, ObjectTable::Row removed)
{
    m_stack.push(new RowCommand(m_room, RowCommand::Change::Removed, i, std::move(removed)));
}

qsizetype RoomHistory::heldRoomRows() const
{
    qsizetype held = 0;
    for (int i = 0; i < m_stack.count(); ++i) {
        if (const auto *room = dynamic_cast<const ReplaceRoomCommand *>(m_stack.command(i)))
            held += room->heldRows();
    }
    return held;
}

void RoomHistory::roomReplaced(RoomContents before)
{
    if (qsizetype(before.rows.size()) + heldRoomRows() > roomRowBudget)
        m_stack.clear();
    m_stack.push(new ReplaceRoomCommand(m_room, std::move(before)));
}

void RoomHistory::roomResized(QSize before)
{
    m_stack.push(new ResizeRoomCommand(m_room, before));
}

} // namespace plandex
