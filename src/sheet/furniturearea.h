#pragma once

#include <QSize>
#include <QtGlobal>

namespace plandex {

class ObjectTable;

// The floor the objects take, in cm²: the area of their union, each cut to
// the room, so that objects lying over one another (only a damaged file
// has them) count once. An object spans right - left by bottom - top, as
// its size labels say; the room's doors, windows and openings are no
// furniture. Work grows as n log n in the number of objects; the
// table's grid is not asked.
qint64 furnitureArea(const ObjectTable &table, QSize room);

} // namespace plandex
