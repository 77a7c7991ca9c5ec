#pragma once

#include "openings/opening.h"

#include <QPointF>

#include <array>

namespace plandex {

// How far a point lies from a wall's edge of the plan.
double distanceToWall(Wall wall, QPointF at, QSize room);
// The room's walls in order of their distance from a point, nearest first;
// of walls as near, top before bottom before left before right.
std::array<Wall, 4> wallsByDistance(QPointF at, QSize room);
// A point's place along a wall: its x on the top and bottom walls, its y on
// the others.
double alongWall(Wall wall, QPointF at);

// The start on its own wall nearest to opening.start at which the opening
// fits and its area meets no row but exemptRow (-1: none), comparing as the
// collision test does, edges included; the smaller of two as near. Empty
// when no start does, or when its width does not fit the wall. Rows are
// taken with their corners in order, which the collision test never
// refuses less than; the commands still ask it before they store.
std::optional<qint32> nearestFreeStart(
    const ObjectTable &table, QSize room, const Opening &opening, int exemptRow);

// The opening on the wall nearest to at, centred there along it and moved
// along the wall to the nearest start where it fits; when the wall has no
// such start, the next nearest wall. With narrowToFit a width wider than a
// wall allows becomes the widest it does. Empty when no wall has a place.
std::optional<Opening> placeOpening(const ObjectTable &table, QSize room, Opening wanted,
    QPointF at, int exemptRow, bool narrowToFit);

} // namespace plandex
