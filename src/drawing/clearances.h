#pragma once

#include "model/edges.h"

#include <QSize>
#include <QtGlobal>

namespace plandex {

class ObjectTable;

// What stops a box in one direction: the facing edge of the nearest object
// beside it, or the wall when no object is.
struct Clearance {
    // The obstacle's facing edge: an x for left and right, a y for up and
    // down.
    qint64 edge = 0;
    // The object, or -1 for the wall.
    int row = -1;
    // The stretch of the box's side that faces the obstacle, across the
    // direction, both ends included.
    qint64 from = 0, to = 0;
};

// The free floor around a box on its four sides.
struct Clearances {
    Edges box {};
    Clearance left, up, right, down;

    // Centimetres from the box to the obstacle on each side; 0 when flush.
    qint64 leftGap() const { return box.left - left.edge; }
    qint64 upGap() const { return box.top - up.edge; }
    qint64 rightGap() const { return right.edge - box.right; }
    qint64 downGap() const { return down.edge - box.bottom; }
};

// The nearest obstacle on each side of box in a room of the given size. An
// object is beside the box on the left when its extent overlaps the box's
// from top to bottom (ends included) and it lies wholly left of the box;
// the nearest such object, or the wall at 0 when it is nearer or there is
// none, stops the box. Likewise on the other sides, with the walls at the
// room's width and height. exemptRow (the object being dragged, -1 for
// none) and objects that meet the box are no obstacles. Of objects at the
// same distance the lowest row is taken; an object on the wall's line wins
// over the wall.
//
// Asks the table's grid for the cells between the box and the walls only,
// nearest first, and stops at the first cell line that holds the nearest
// obstacle, so a full table costs about what the floor around the box
// holds. While the grid cannot answer, the rows are read as the plan draws
// them.
Clearances findClearances(const ObjectTable &table, QSize room, Edges box, int exemptRow);

} // namespace plandex
