#include "model/codepage.h"
#include "plan/editor.h"

namespace plandex {

void Editor::renameObject()
{
    if (!haveCurrentObject())
        return;
    const int row = m_table.selection();
    const ObjectTable::Row before = m_table.row(row);
    const QString name = cleanObjectName(m_prompts.input(objectNamePrompt(), before.name));
    if (name.isEmpty() || name == before.name)
        return;
    m_table.rewrite(row, name, before.x, before.y);
    // The row stays current as it was shown: the plan holds no names, so
    // nothing is drawn again.
    const bool ready = m_state.listReady;
    m_state.listReady = false;
    m_table.select(row);
    m_state.listReady = ready;
    m_history.rowRewritten(row, before);
}

} // namespace plandex
