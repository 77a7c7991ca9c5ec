#include "placement/sliding.h"

#include "model/spatialindex.h"

#include <algorithm>

namespace plandex {

namespace {

struct Obstacles {
    const SpatialIndex &places;
    int exempt;
    QSize room;
};

// How far, up to by (signed), the box can go along one axis before its
// leading edge would meet a wall or an object.
qint64 reach(const Obstacles &in, const Edges &b, bool alongX, qint64 by)
{
    const qint64 lo = b.lowAlong(alongX), hi = b.highAlong(alongX);
    const qint64 acrossLo = b.lowAcross(alongX), acrossHi = b.highAcross(alongX);
    // Walls are strict: an edge may lie on one.
    const qint64 wall = alongX ? in.room.width() : in.room.height();
    qint64 limit = std::max<qint64>(0, by > 0 ? std::min(by, wall - hi) : std::min(-by, lo));
    if (limit == 0)
        return 0;
    // The strip the leading edge crosses. Beyond two grid cells, first the
    // part in the cell at the edge, where an obstacle ends the search
    // cheaply, then the rest.
    qint64 first = 0, last = 0;
    auto stops = [&](int row) {
        if (row == in.exempt)
            return false;
        const SpatialIndex::Box &box = in.places.box(row);
        const Edges o = Edges::ordered(box.left, box.top, box.right, box.bottom);
        const qint64 oLo = o.lowAlong(alongX), oHi = o.highAlong(alongX);
        const qint64 oAcrossLo = o.lowAcross(alongX), oAcrossHi = o.highAcross(alongX);
        if (oAcrossHi < acrossLo || oAcrossLo > acrossHi || oHi < first || oLo > last)
            return false;
        // An object the box already overlaps holds it where it is.
        const qint64 room = by > 0 ? oLo - 1 - hi : lo - 1 - oHi;
        limit = std::clamp<qint64>(room, 0, limit);
        return limit == 0;
    };
    constexpr qint64 cell = SpatialIndex::cellSize;
    for (qint64 searched = 0; searched < limit;) {
        const qint64 near = by > 0 ? hi + searched + 1 : lo - searched - 1;
        qint64 part = limit - searched;
        const qint64 inCell = (near % cell + cell) % cell;
        const qint64 toCellEnd = by > 0 ? cell - inCell : inCell + 1;
        if (searched == 0 && part > toCellEnd + cell)
            part = toCellEnd;
        first = by > 0 ? near : near - part + 1;
        last = by > 0 ? near + part - 1 : near;
        searched += part;
        if (alongX)
            in.places.anyNear(
                double(first), double(acrossLo), double(last), double(acrossHi), stops);
        else
            in.places.anyNear(
                double(acrossLo), double(first), double(acrossHi), double(last), stops);
    }
    return by > 0 ? limit : -limit;
}

} // namespace

Edges slideBox(const Edges &from, const Edges &wanted, bool resize, QSize room,
    const SpatialIndex &places, int exempt)
{
    const Obstacles in {places, exempt, room};
    Edges b = from;
    // Returns whether the axis got all the way.
    auto step = [&](bool alongX) {
        const qint64 want = alongX ? wanted.right - b.right : wanted.bottom - b.bottom;
        const qint64 d = resize && want < 0 ? want : reach(in, b, alongX, want);
        (alongX ? b.right : b.bottom) += d;
        if (!resize)
            (alongX ? b.left : b.top) += d;
        return d == want;
    };
    const bool xThere = step(true);
    const qint64 yBefore = b.bottom;
    step(false);
    if (!xThere && b.bottom != yBefore)
        step(true);
    return b;
}

} // namespace plandex
