#include "openings/wallplace.h"

#include "model/geometry.h"
#include "model/numberreading.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace plandex {

double distanceToWall(Wall wall, QPointF at, QSize room)
{
    switch (wall) {
    case Wall::Top:
        return at.y();
    case Wall::Bottom:
        return room.height() - 1 - at.y();
    case Wall::Left:
        return at.x();
    case Wall::Right:
        return room.width() - 1 - at.x();
    }
    return 0;
}

std::array<Wall, 4> wallsByDistance(QPointF at, QSize room)
{
    std::array<Wall, 4> walls {Wall::Top, Wall::Bottom, Wall::Left, Wall::Right};
    std::stable_sort(walls.begin(), walls.end(),
        [&](Wall a, Wall b) { return distanceToWall(a, at, room) < distanceToWall(b, at, room); });
    return walls;
}

double alongWall(Wall wall, QPointF at)
{
    return runsAlongX(wall) ? at.x() : at.y();
}

std::optional<qint32> nearestFreeStart(
    const ObjectTable &table, QSize room, const Opening &opening, int exemptRow)
{
    const qint64 width = opening.width;
    const qint64 lastStart = qint64(wallLength(opening.wall, room)) - 1 - width;
    if (width < minOpeningWidth || width > maxOpeningWidth(opening, room) || lastStart < 0)
        return std::nullopt;
    const bool alongX = runsAlongX(opening.wall);
    const Edges area = openingArea(opening, room);
    const qint64 acrossLow = area.lowAcross(alongX), acrossHigh = area.highAcross(alongX);
    const qint64 end = lastStart + width;
    const Edges band
        = alongX ? Edges {0, acrossLow, end, acrossHigh} : Edges {acrossLow, 0, acrossHigh, end};

    // The starts each row rules out: its extent along the wall widened by
    // the opening's width before it.
    std::vector<std::pair<qint64, qint64>> blocked;
    const auto block = [&](qint32 left, qint32 top, qint32 right, qint32 bottom) {
        const Edges e = Edges::ordered(left, top, right, bottom);
        if (e.lowAcross(alongX) <= acrossHigh && e.highAcross(alongX) >= acrossLow)
            blocked.emplace_back(e.lowAlong(alongX) - width, e.highAlong(alongX));
    };
    const SpatialIndex &places = table.places();
    if (places.usable()) {
        places.anyNear(band.left, band.top, band.right, band.bottom, [&](int row) {
            const SpatialIndex::Box &b = places.box(row);
            if (row != exemptRow)
                block(b.left, b.top, b.right, b.bottom);
            return false;
        });
    } else {
        qint32 l = 0, t = 0, r = 0, b = 0;
        for (int row = 0; row < table.count(); ++row) {
            readRect(table.row(row), l, t, r, b);
            if (row != exemptRow)
                block(l, t, r, b);
        }
    }
    std::sort(blocked.begin(), blocked.end());

    const qint64 target = std::clamp(qint64(opening.start), qint64(0), lastStart);
    std::optional<qint64> best;
    const auto consider = [&](qint64 from, qint64 to) {
        from = std::max(from, qint64(0));
        to = std::min(to, lastStart);
        if (from > to)
            return;
        const qint64 at = std::clamp(target, from, to);
        if (!best || std::abs(at - target) < std::abs(*best - target))
            best = at;
    };
    qint64 freeFrom = 0;
    for (const auto &[low, high] : blocked) {
        consider(freeFrom, low - 1);
        freeFrom = std::max(freeFrom, high + 1);
    }
    consider(freeFrom, lastStart);
    if (!best)
        return std::nullopt;
    return qint32(*best);
}

std::optional<Opening> placeOpening(const ObjectTable &table, QSize room, Opening wanted,
    QPointF at, int exemptRow, bool narrowToFit)
{
    for (const Wall wall : wallsByDistance(at, room)) {
        Opening o = wanted;
        o.wall = wall;
        if (narrowToFit)
            o.width = std::min(o.width, maxOpeningWidth(o, room));
        o.start = roundToInt32(alongWall(wall, at) - o.width / 2.0).value_or(0);
        if (const auto start = nearestFreeStart(table, room, o, exemptRow)) {
            o.start = *start;
            return o;
        }
    }
    return std::nullopt;
}

} // namespace plandex
