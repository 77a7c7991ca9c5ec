#pragma once

#include "model/edges.h"

#include <QSize>
#include <QtGlobal>

namespace plandex {

class SpatialIndex;

// Where a dragged box ends when it goes from `from` as far as it can
// towards `wanted`: along x, then along y, then along x again when y made
// room. On each axis it stops with its leading edge on a wall of the room,
// or one short of the first object in its way (touching is meeting), so it
// never passes over an object. A move shifts the whole box; a resize moves
// only the right and bottom edges, and shrinking is never stopped. Row
// exempt (the dragged object) is no obstacle; places must be usable.
Edges slideBox(const Edges &from, const Edges &wanted, bool resize, QSize room,
    const SpatialIndex &places, int exempt);

} // namespace plandex
