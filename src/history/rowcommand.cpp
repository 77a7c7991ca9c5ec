#include "history/rowcommand.h"

#include "plan/editor.h"

namespace plandex {

RowCommand::RowCommand(Editor &editor, Change change, int index, ObjectTable::Row row)
    : RoomCommand(editor)
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
    m_editor.table().insertAt(m_index, m_row);
    m_editor.showRestored(m_index);
}

void RowCommand::takeAway()
{
    m_editor.table().removeAt(m_index);
    m_editor.showRestored(-1);
}

} // namespace plandex
