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
    const int rows = m_table.count();
    int hit = -1;
    if (m_table.places().usable()) {
        // What a walk in table order would leave: the hit row loaded, or
        // after a miss the last row.
        hit = m_table.places().lowestAt(X, Y);
        if (hit >= 0)
            loadRow(m_table, hit, m_state);
        else if (rows > 0)
            loadRow(m_table, rows - 1, m_state);
    } else {
        // Rows in ascending order, so the lowest index wins; each row passes
        // through objLeft..objBottom as the selection walk would leave them.
        for (int i = 0; i < rows && hit < 0; ++i) {
            loadRow(m_table, i, m_state);
            const WindowState &s = m_state;
            if (s.objTop <= Y && s.objBottom >= Y && s.objLeft <= X && s.objRight >= X)
                hit = i;
        }
    }
    if (hit >= 0) {
        const WindowState &s = m_state;
        m_table.select(hit);
        fillObj(colors::green);
        showSize32(qint64(s.objRight) - s.objLeft, qint64(s.objBottom) - s.objTop);
        m_state.listReady = true;
        return;
    }
    m_table.select(-1);
    m_state.listReady = true;
}

} // namespace plandex
