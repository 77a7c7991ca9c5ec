#pragma once

#include <QSize>

class QPainter;

namespace plandex {

class ObjectTable;
struct SheetLayout;

// The doors, windows and openings without a leaf of a room on its sheet,
// by the drawing convention: the wall open over each one's width, a door's
// leaf open at right angles from its hinges with the quarter arc of its
// swing (out beyond the wall for one opening outwards), a window's glass as
// lines along the gap; and inside the room, along the wall, its width and
// its distance from the nearer corner as dimensions. Drawn over the walls.
void drawOpenings(
    QPainter &painter, const SheetLayout &layout, const ObjectTable &table, QSize room);

} // namespace plandex
