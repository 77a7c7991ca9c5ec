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

// Calls visit(row, rect) once for every row whose rectangle meets area,
// in table order. Asks the table's grid; while the grid cannot help (a
// number that does not fit 32 bits, which borrows the value read before
// it), walks the table as the plan redraw does.
void forEachObjectIn(const ObjectTable &table, const QRectF &area,
    const std::function<void(int row, const ObjectRect &rect)> &visit);

} // namespace plandex
