#include "placement/collision.h"

#include "plan/editor.h"

namespace plandex {

void Editor::stolknov(double Xa, double Ya, double Xb, double Yb)
{
    collisionTest(Xa, Ya, Xb, Yb, m_table.selection());
}

void Editor::collisionTest(double Xa, double Ya, double Xb, double Yb, int exemptRow)
{
    WindowState &s = m_state;
    // Strict: a rectangle may lie flush against any wall.
    if (Xa < 0 || Ya < 0 || Xb > m_K.width() || Yb > m_K.height()) {
        s.collided = true;
        return;
    }
    m_table.setSavedIndex(QString::number(m_table.selection()));
    // The rows are read directly; the selection never moves, which is the
    // state a walk would restore before returning.
    SpatialIndex::Box other {s.othLeft, s.othTop, s.othRight, s.othBottom};
    s.collided = meetsAnyRow(m_table, Xa, Ya, Xb, Yb, exemptRow, other);
    s.othLeft = other.left;
    s.othTop = other.top;
    s.othRight = other.right;
    s.othBottom = other.bottom;
    s.listReady = true;
}

} // namespace plandex
