#pragma once

#include <QtGlobal>

#include <algorithm>

namespace plandex {

// A rectangle's edges in room centimetres, corners in order, both edges
// included; wide enough for a 32-bit edge plus a 32-bit offset.
struct Edges {
    qint64 left, top, right, bottom;

    // The rectangle of two corners given in any order.
    static Edges ordered(qint64 x1, qint64 y1, qint64 x2, qint64 y2)
    {
        return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    }

    // Its extent along the x or the y axis, and across it.
    qint64 lowAlong(bool alongX) const { return alongX ? left : top; }
    qint64 highAlong(bool alongX) const { return alongX ? right : bottom; }
    qint64 lowAcross(bool alongX) const { return alongX ? top : left; }
    qint64 highAcross(bool alongX) const { return alongX ? bottom : right; }

    bool operator==(const Edges &) const = default;
};

} // namespace plandex
