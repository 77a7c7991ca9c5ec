#pragma once

#include <QtGlobal>

namespace plandex {

// A rectangle's edges in room centimetres, corners in order, both edges
// included; wide enough for a 32-bit edge plus a 32-bit offset.
struct Edges {
    qint64 left, top, right, bottom;
    bool operator==(const Edges &) const = default;
};

} // namespace plandex
