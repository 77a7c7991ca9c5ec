#include "plan/editor.h"

namespace plandex {

void Editor::create_Click()
{
    m_state.mode = EditMode::Create;
    m_window.setPlanCursor(PlanCursor::Arrow);
}

void Editor::selct_Click()
{
    m_state.mode = EditMode::Move;
    m_window.setPlanCursor(PlanCursor::Arrow);
}

void Editor::Rsiz_Click()
{
    m_state.mode = EditMode::Resize;
    m_window.setPlanCursor(PlanCursor::SizeNWSE);
}

void Editor::Timer1_Timer()
{
    m_window.setDeleteEnabled(m_table.selection() != -1);
}

} // namespace plandex
