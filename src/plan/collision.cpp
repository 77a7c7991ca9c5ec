#include "model/geometry.h"
#include "plan/editor.h"

namespace plandex {

namespace {

// Inclusive comparisons: sharing an edge or a corner is a collision. For
// ordered rectangles the six together are exactly "the closed rectangles
// intersect"; they are kept as six for swapped corners. Each of them also
// implies that the two rectangles, corners put in order, meet, which is
// what lets the grid pick the rows worth testing.
bool meets(double l, double t, double r, double b, double Xa, double Ya, double Xb, double Yb)
{
    return (l <= Xa && Xa <= r && Ya <= b && Yb >= t) // left edge crosses it
        || (l <= Xb && Xb <= r && t <= Yb && Yb <= b) // bottom-right corner in it
        || (l <= Xb && Xb <= r && t <= Ya && Ya <= b) // top-right corner in it
        || (Xa <= l && Xb >= r && Ya <= t && Yb >= t) // spans it across its top
        || (Xa <= l && Xb >= r && t <= Ya && Ya <= b) // spans it, top edge inside
        || (l <= Xb && Xb <= r && Ya <= t && Yb >= b); // right edge crosses it
}

} // namespace

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
    s.collided = false;
    m_table.setSavedIndex(QString::number(m_table.selection()));
    // The rows are read directly; the selection never moves, which is the
    // state a walk would restore before returning.
    const SpatialIndex &places = m_table.places();
    if (places.usable()) {
        s.collided = places.anyNear(Xa, Ya, Xb, Yb, [&](int i) {
            const SpatialIndex::Box &o = places.box(i);
            if (i == exemptRow || !meets(o.left, o.top, o.right, o.bottom, Xa, Ya, Xb, Yb))
                return false;
            s.othLeft = o.left;
            s.othTop = o.top;
            s.othRight = o.right;
            s.othBottom = o.bottom;
            return true;
        });
    } else {
        const int rows = m_table.count();
        for (int i = 0; i < rows && !s.collided; ++i) {
            if (i == exemptRow)
                continue;
            readRect(m_table.row(i), s.othLeft, s.othTop, s.othRight, s.othBottom);
            s.collided = meets(s.othLeft, s.othTop, s.othRight, s.othBottom, Xa, Ya, Xb, Yb);
        }
    }
    s.listReady = true;
}

} // namespace plandex
