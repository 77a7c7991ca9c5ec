#pragma once

#include <QRectF>
#include <QtGlobal>

#include <functional>

namespace plandex {

class ObjectTable;

// An object's rectangle as the plan draws it: the stored numbers, and the
// same with its corners put in order.
struct ObjectRect {
    qint32 left, top, right, bottom;

    qint64 width() const { return qint64(right) - left; }
    qint64 height() const { return qint64(bottom) - top; }
    // In room cm, from the lesser to the greater edge.
    QRectF ordered() const;
};

using ObjectVisit = std::function<void(int row, const ObjectRect &rect)>;

// How the rows meeting an area are found: by the table's grid, which
// pays for the cells of the area and the rows in them (for a small part
// of the room), or by walking the whole table in order, which costs a few
// nanoseconds a row and builds nothing (for all of it).
enum class Lookup { Grid, Walk };

// Calls visit(row, rect) once for every row whose rectangle meets area,
// in table order. A number that does not fit 32 bits borrows the value
// read before it, as in the plan redraw; while the table holds such a
// row, and when the grid hands out more rows than the table holds (rows
// over many cells come once per cell), the table is walked instead.
void forEachObjectIn(
    const ObjectTable &table, const QRectF &area, const ObjectVisit &visit, Lookup lookup);

} // namespace plandex
