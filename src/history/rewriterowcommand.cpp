#include "history/rewriterowcommand.h"

#include "plan/editor.h"

namespace plandex {

RewriteRowCommand::RewriteRowCommand(Editor &editor, int index, ObjectTable::Row other)
    : RoomCommand(editor)
    , m_index(index)
    , m_other(std::move(other))
{ }

void RewriteRowCommand::swap()
{
    ObjectTable &table = m_editor.table();
    ObjectTable::Row shown = table.row(m_index);
    table.rewrite(m_index, m_other.name, m_other.x, m_other.y);
    m_other = std::move(shown);
    m_editor.showRestored(m_index);
}

} // namespace plandex
