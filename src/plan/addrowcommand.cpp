#include "plan/addrowcommand.h"

#include "plan/editor.h"

namespace plandex {

AddRowCommand::AddRowCommand(Editor &editor, int index, ObjectTable::Row row)
    : RoomCommand(editor)
    , m_index(index)
    , m_row(std::move(row))
{ }

void AddRowCommand::apply()
{
    m_editor.table().insertAt(m_index, m_row);
    m_editor.showRestored(m_index);
}

void AddRowCommand::revert()
{
    m_editor.table().removeAt(m_index);
    m_editor.showRestored(-1);
}

} // namespace plandex
