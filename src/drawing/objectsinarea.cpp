#include "drawing/objectsinarea.h"

#include "model/geometry.h"
#include "model/objecttable.h"

#include <algorithm>
#include <vector>

namespace plandex {

QRectF ObjectRect::ordered() const
{
    const double x1 = std::min(left, right), x2 = std::max(left, right);
    const double y1 = std::min(top, bottom), y2 = std::max(top, bottom);
    return {x1, y1, x2 - x1, y2 - y1};
}

namespace {

// Closed rectangles: a line of zero width still meets what it touches.
bool meets(const QRectF &a, const QRectF &b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom()
        && b.top() <= a.bottom();
}

} // namespace

void forEachObjectIn(
    const ObjectTable &table, const QRectF &area, const ObjectVisit &visit, Lookup lookup)
{
    const SpatialIndex &places = table.places();
    if (lookup == Lookup::Grid && places.usable()) {
        std::vector<int> rows;
        const size_t most = size_t(table.count());
        const bool tooMany
            = places.anyNear(area.left(), area.top(), area.right(), area.bottom(), [&](int row) {
                  rows.push_back(row);
                  return rows.size() > most;
              });
        if (!tooMany) {
            std::sort(rows.begin(), rows.end());
            rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
            for (int row : rows) {
                const SpatialIndex::Box &b = places.box(row);
                const ObjectRect r {b.left, b.top, b.right, b.bottom};
                if (meets(r.ordered(), area))
                    visit(row, r);
            }
            return;
        }
    }
    ObjectRect r {0, 0, 0, 0};
    for (int i = 0; i < table.count(); ++i) {
        readRect(table.row(i), r.left, r.top, r.right, r.bottom);
        if (meets(r.ordered(), area))
            visit(i, r);
    }
}

} // namespace plandex
