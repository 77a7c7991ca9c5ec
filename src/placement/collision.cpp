#include "placement/collision.h"

#include "model/geometry.h"
#include "model/objecttable.h"

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

bool meetsAnyRow(const ObjectTable &table, double Xa, double Ya, double Xb, double Yb,
    int exemptRow, SpatialIndex::Box &other)
{
    const SpatialIndex &places = table.places();
    if (places.usable()) {
        return places.anyNear(Xa, Ya, Xb, Yb, [&](int i) {
            const SpatialIndex::Box &o = places.box(i);
            if (i == exemptRow || !meets(o.left, o.top, o.right, o.bottom, Xa, Ya, Xb, Yb))
                return false;
            other = o;
            return true;
        });
    }
    const int rows = table.count();
    for (int i = 0; i < rows; ++i) {
        if (i == exemptRow)
            continue;
        readRect(table.row(i), other.left, other.top, other.right, other.bottom);
        if (meets(other.left, other.top, other.right, other.bottom, Xa, Ya, Xb, Yb))
            return true;
    }
    return false;
}

} // namespace plandex
