#pragma once

#include "openings/opening.h"

#include <vector>

namespace plandex {

// An opening's symbol on the plan K, in plan pixels: the wall's gap as the
// line of the wall's edge over its width; a door opening into the room its
// leaf open at right angles to the wall from the hinges and the quarter arc
// of its swing, the swing square's floor left free; the others a short
// jamb at each end, a window's second line and a door opening outwards a
// dashed one, openingMarkDepth pixels from the edge, so that a one-pixel
// strip still shows what it is.
inline constexpr int openingMarkDepth = 2;

struct SymbolRun {
    Edges box;
    // Inside the opening's area; the rest lies on floor that furniture may
    // take, so it is drawn only where nothing else is.
    bool inArea = true;
};

std::vector<SymbolRun> openingSymbol(const Opening &opening, QSize room);

// What the symbol covers, the area included.
Edges openingMark(const Opening &opening, QSize room);

} // namespace plandex
