#include "plan/openingsymbol.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace plandex {

namespace {

// Runs in the wall's own terms: along the wall and depth from its edge.
struct WallRun {
    qint64 along1, along2, depth1, depth2;
};

Edges onPlan(const WallRun &r, Wall wall, QSize room)
{
    const qint64 right = room.width() - 1, bottom = room.height() - 1;
    switch (wall) {
    case Wall::Top:
        return {r.along1, r.depth1, r.along2, r.depth2};
    case Wall::Bottom:
        return {r.along1, bottom - r.depth2, r.along2, bottom - r.depth1};
    case Wall::Left:
        return {r.depth1, r.along1, r.depth2, r.along2};
    case Wall::Right:
        return {right - r.depth2, r.along1, right - r.depth1, r.along2};
    }
    return {};
}

// The quarter circle about the hinge from the open leaf's tip to the far
// jamb, as runs along the wall, one depth at a time: every column and every
// row of the arc gets its pixel, so that the arc has no holes.
void addArc(std::vector<WallRun> &runs, qint64 hinge, qint64 far, qint64 radius)
{
    const qint64 towards = far > hinge ? 1 : -1;
    std::vector<std::pair<qint64, qint64>> points; // depth, along
    points.reserve(size_t(2 * radius + 2));
    for (qint64 i = 0; i <= radius; ++i) {
        const auto other = qint64(std::lround(std::sqrt(double(radius * radius - i * i))));
        points.emplace_back(other, hinge + towards * i);
        points.emplace_back(i, hinge + towards * other);
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    for (auto it = points.begin(); it != points.end();) {
        const auto [depth, from] = *it;
        qint64 to = from;
        for (++it; it != points.end() && it->first == depth && it->second == to + 1; ++it)
            to = it->second;
        runs.push_back({from, to, depth, depth});
    }
}

} // namespace

std::vector<SymbolRun> openingSymbol(const Opening &opening, QSize room)
{
    const qint64 a = opening.start, b = qint64(opening.start) + opening.width;
    const qint64 mark = openingMarkDepth;
    std::vector<WallRun> runs {{a, b, 0, 0}};
    if (opening.swings()) {
        const qint64 hinge = hingeAt(opening);
        runs.push_back({hinge, hinge, 0, opening.width});
        addArc(runs, hinge, hinge == a ? b : a, opening.width);
    } else {
        runs.push_back({a, a, 0, mark});
        runs.push_back({b, b, 0, mark});
        if (opening.kind == OpeningKind::Window)
            runs.push_back({a, b, mark, mark});
        if (opening.kind == OpeningKind::Door) {
            for (qint64 dash = a + 2; dash + 2 <= b - 2; dash += 5)
                runs.push_back({dash, dash + 2, mark, mark});
        }
    }
    // The area of a strip is its first line; the rest of a run lies beyond.
    const qint64 areaDepth = opening.swings() ? opening.width : 0;
    std::vector<SymbolRun> symbol;
    for (const WallRun &r : runs) {
        if (r.depth1 <= areaDepth)
            symbol.push_back({onPlan({r.along1, r.along2, r.depth1, std::min(r.depth2, areaDepth)},
                                  opening.wall, room),
                true});
        if (r.depth2 > areaDepth)
            symbol.push_back(
                {onPlan({r.along1, r.along2, std::max(r.depth1, areaDepth + 1), r.depth2},
                     opening.wall, room),
                    false});
    }
    return symbol;
}

Edges openingMark(const Opening &opening, QSize room)
{
    const qint64 depth = opening.swings() ? opening.width : openingMarkDepth;
    return onPlan(
        {opening.start, qint64(opening.start) + opening.width, 0, depth}, opening.wall, room);
}

} // namespace plandex
