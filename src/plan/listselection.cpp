#include "model/geometry.h"
#include "model/visibletext.h"
#include "plan/colors.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

void Editor::L_Click()
{
    // The columns share the table's one selection, so there is nothing to
    // copy; the rest runs only outside of walks over the list.
    if (!m_state.listReady)
        return;
    // Never paint where no object is: zeroed coordinates mean none was
    // current, and with nothing selected there is nothing to show green.
    if (m_state.objHeld)
        fillObj(colors::blue);
    getXY(m_table, m_state);
    if (m_table.selection() >= 0)
        fillObj(colors::green);
    showSize32(
        qint64(m_state.objRight) - m_state.objLeft, qint64(m_state.objBottom) - m_state.objTop);
}

void Editor::DelObj_Click()
{
    if (!m_prompts.confirm(
            QCoreApplication::translate("Editor", "Вы действительно хотите удалить %1?")
                .arg(visibleText(shownRowName(*this, m_table.selection())))))
        return;
    const int row = m_table.selection();
    m_table.setSavedIndex(QString::number(row));
    if (row >= 0) {
        ObjectTable::Row removed = m_table.row(row);
        if (m_table.removeAt(row))
            m_history.rowRemoved(row, std::move(removed));
    }
    m_table.setSavedIndex(QString());
    OBNOV();
    forgetObject(m_state);
    m_state.dragDX = 0;
    m_state.dragDY = 0;
    L_Click();
}

} // namespace plandex
