#include "history/roomhistory.h"

#include "history/replaceroomcommand.h"
#include "history/rewriterowcommand.h"
#include "history/rowcommand.h"
#include "plan/editor.h"

namespace plandex {

RoomHistory::RoomHistory(Editor &editor)
    : m_editor(editor)
{
    m_stack.setUndoLimit(stepLimit);
}

void RoomHistory::rowAdded(int i)
{
    m_stack.push(new RowCommand(m_editor, RowCommand::Change::Added, i, m_editor.table().row(i)));
}

void RoomHistory::rowRewritten(int i, const ObjectTable::Row &before)
{
    const ObjectTable::Row &after = m_editor.table().row(i);
    if (after.name == before.name && after.x == before.x && after.y == before.y)
        return;
    m_stack.push(new RewriteRowCommand(m_editor, i, before));
}

void RoomHistory::rowRemoved(int i, ObjectTable::Row removed)
{
    m_stack.push(new RowCommand(m_editor, RowCommand::Change::Removed, i, std::move(removed)));
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
    m_stack.push(new ReplaceRoomCommand(m_editor, std::move(before)));
}

} // namespace plandex
