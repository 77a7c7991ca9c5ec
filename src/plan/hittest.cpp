#include "model/geometry.h"
#include "plan/colors.h"
#include "plan/editor.h"

namespace plandex {

void Editor::testpoz(double X, double Y)
{
    m_state.listReady = false;
    if (m_state.objHeld)
        fillObj(colors::blue);
    m_table.select(-1);
    // Rows in ascending order, so the lowest index wins; each row passes
    // through objLeft..objBottom as the selection walk would leave them.
    const int rows = m_table.count();
    for (int i = 0; i < rows; ++i) {
        loadRow(m_table, i, m_state);
        const WindowState &s = m_state;
        if (s.objTop <= Y && s.objBottom >= Y && s.objLeft <= X && s.objRight >= X) {
            m_table.select(i);
            fillObj(colors::green);
            showSize32(qint64(s.objRight) - s.objLeft, qint64(s.objBottom) - s.objTop);
            m_state.listReady = true;
            return;
        }
    }
    m_table.select(-1);
    m_state.listReady = true;
}

} // namespace plandex
