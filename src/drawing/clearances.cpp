#include "drawing/clearances.h"

#include "model/geometry.h"
#include "model/objecttable.h"

#include <algorithm>

namespace plandex {

namespace {

// The nearest obstacle on one side of the box: along x or y, toward lower
// (sign -1) or higher (+1) values.
class SideSearch
{
public:
    SideSearch(Edges box, bool alongX, int sign, QSize room)
        : m_alongX(alongX)
        , m_sign(sign)
        , m_box(box)
    {
        const qint64 wall = sign < 0 ? 0 : (alongX ? room.width() : room.height());
        m_best = {wall, -1, acrossLow(box), acrossHigh(box)};
    }

    const Clearance &best() const { return m_best; }
    qint64 nearEdge() const { return m_sign < 0 ? alongLow(m_box) : alongHigh(m_box); }
    bool alongX() const { return m_alongX; }
    int sign() const { return m_sign; }

    void consider(int row, const Edges &o)
    {
        if (acrossLow(o) > acrossHigh(m_box) || acrossHigh(o) < acrossLow(m_box))
            return;
        qint64 edge = 0;
        if (m_sign < 0) {
            if (alongHigh(o) >= alongLow(m_box))
                return;
            edge = alongHigh(o);
        } else {
            if (alongLow(o) <= alongHigh(m_box))
                return;
            edge = alongLow(o);
        }
        // Nearer is a smaller sign * edge; at the same distance the lower
        // row, and any object before the wall.
        const qint64 key = m_sign * edge, bestKey = m_sign * m_best.edge;
        if (key < bestKey || (key == bestKey && (m_best.row < 0 || row < m_best.row)))
            m_best = {edge, row, std::max(acrossLow(o), acrossLow(m_box)),
                std::min(acrossHigh(o), acrossHigh(m_box))};
    }

private:
    qint64 alongLow(const Edges &e) const { return e.lowAlong(m_alongX); }
    qint64 alongHigh(const Edges &e) const { return e.highAlong(m_alongX); }
    qint64 acrossLow(const Edges &e) const { return e.lowAcross(m_alongX); }
    qint64 acrossHigh(const Edges &e) const { return e.highAcross(m_alongX); }

    bool m_alongX;
    int m_sign;
    Edges m_box;
    Clearance m_best;
};

// Asks the grid for strips of floor moving away from the box, each twice
// as wide as the one before, until a strip holds the nearest obstacle: an
// obstacle not yet seen lies beyond every strip asked so far, so no nearer
// one can be left. Few questions, since the grid also answers every
// question with its rows too wide for cells.
void searchGrid(const SpatialIndex &places, int exemptRow, SideSearch &search, const Edges &box)
{
    const double acrossLow = double(box.lowAcross(search.alongX()));
    const double acrossHigh = double(box.highAcross(search.alongX()));
    auto visitStrip = [&](qint64 low, qint64 high) {
        const double a1 = double(low), a2 = double(high);
        auto visit = [&](int row) {
            if (row != exemptRow) {
                const SpatialIndex::Box &b = places.box(row);
                search.consider(row, Edges::ordered(b.left, b.top, b.right, b.bottom));
            }
            return false;
        };
        if (search.alongX())
            places.anyNear(a1, acrossLow, a2, acrossHigh, visit);
        else
            places.anyNear(acrossLow, a1, acrossHigh, a2, visit);
    };
    qint64 width = SpatialIndex::cellSize;
    if (search.sign() < 0) {
        // An object counts when its far edge is below the box's near edge,
        // and it can only win when that edge is not below the best one.
        for (qint64 high = search.nearEdge() - 1; high >= search.best().edge; width *= 2) {
            const qint64 low = std::max<qint64>(high - width + 1, search.best().edge);
            visitStrip(low, high);
            if (search.best().edge >= low)
                break;
            high = low - 1;
        }
    } else {
        for (qint64 low = search.nearEdge() + 1; low <= search.best().edge; width *= 2) {
            const qint64 high = std::min<qint64>(low + width - 1, search.best().edge);
            visitStrip(low, high);
            if (search.best().edge <= high)
                break;
            low = high + 1;
        }
    }
}

} // namespace

Clearances findClearances(const ObjectTable &table, QSize room, Edges box, int exemptRow)
{
    SideSearch sides[4] = {
        {box, true, -1, room}, {box, false, -1, room}, {box, true, 1, room}, {box, false, 1, room}};
    const SpatialIndex &places = table.places();
    if (places.usable()) {
        for (SideSearch &side : sides)
            searchGrid(places, exemptRow, side, box);
    } else {
        // A number that does not fit leaves the one read before it, as on
        // the plan.
        qint32 l = 0, t = 0, r = 0, b = 0;
        for (int i = 0; i < table.count(); ++i) {
            readRect(table.row(i), l, t, r, b);
            if (i == exemptRow)
                continue;
            for (SideSearch &side : sides)
                side.consider(i, Edges::ordered(l, t, r, b));
        }
    }
    return {box, sides[0].best(), sides[1].best(), sides[2].best(), sides[3].best()};
}

} // namespace plandex
