#include "model/geometry.h"
#include "plan/colors.h"
#include "plan/editor.h"

#include <array>

namespace plandex {

void Editor::testpoz(double X, double Y)
{
    m_state.listReady = false;
    // The highlight comes off before the new one goes on; the scan draws
    // nothing, so it is drawn after it, and not at all when the same box
    // turns green again at once.
    const bool held = m_state.objHeld;
    auto box = [](const WindowState &s) {
        return std::array<qint32, 4> {s.objLeft, s.objTop, s.objRight, s.objBottom};
    };
    const std::array<qint32, 4> heldBox = box(m_state);
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
    // Beside a strip, a door's, window's or opening's mark picks it.
    if (hit < 0) {
        hit = openingRowAt(X, Y);
        if (hit >= 0)
            loadRow(m_table, hit, m_state);
    }
    if (held && !(hit >= 0 && box(m_state) == heldBox))
        paintBox({heldBox[0], heldBox[1], heldBox[2], heldBox[3]}, colors::blue);
    const WindowState &s = m_state;
    if (hit >= 0) {
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
