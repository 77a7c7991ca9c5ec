#pragma once

#include "model/spatialindex.h"

#include <QPoint>
#include <QSize>
#include <QtGlobal>

#include <optional>

namespace plandex {

class ObjectTable;

// A box to be put somewhere in the room: its size (right = left + width,
// bottom = top + height), the top-left corner it would rather have, and
// the row it stands for, which is no obstacle to itself (-1: none).
struct PlaceWanted {
    QSize room;
    qint64 width = 0;
    qint64 height = 0;
    QPoint target;
    int exemptRow = -1;
};

// The whole-number top-left corner nearest to wanted.target (by the
// straight-line distance the corner moves) where the box passes the
// collision test: inside the room, flush with a wall allowed, and meeting
// no row by the test's six conditions, also for rows with swapped corners.
// Of several equally near places the topmost wins, then the leftmost.
// Empty when there is no such place anywhere, or when the box has a
// negative side.
//
// While a row has a number that does not fit 32 bits, the collision test
// scans the table and such a row borrows the values read before it;
// scanStart is where that reading starts (othLeft..othBottom), and the
// search then reads the rows the same way, without the grid.
std::optional<QPoint> nearestFreePlace(
    const ObjectTable &table, const PlaceWanted &wanted, const SpatialIndex::Box &scanStart);

} // namespace plandex
