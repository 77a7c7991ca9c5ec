#include "plan/removerowcommand.h"

#include "plan/editor.h"

namespace plandex {

RemoveRowCommand::RemoveRowCommand(Editor &editor, int index, ObjectTable::Row row)
    : RoomCommand(editor)
    , m_index(index)
    , m_row(std::move(row))
{ }

void RemoveRowCommand::apply()
{
    m_editor.table().removeAt(m_index);
    m_editor.showRestored(-1);
}

void RemoveRowCommand::revert()
{
    m_editor.table().insertAt(m_index, m_row);
    m_editor.showRestored(m_index);
}

} // namespace plandex
