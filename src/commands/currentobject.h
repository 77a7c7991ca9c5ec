#pragma once

#include "model/edges.h"
#include "model/spatialindex.h"

#include <QPoint>
#include <QString>

#include <optional>

namespace plandex {

class Editor;

// What the commands on the current object share. Each tells the user why
// it cannot go on through the editor's prompts, or, for a key pressed
// again and again, only beeps.

// False, after a beep, when no object is current.
bool haveCurrentObject(Editor &editor);
// The current object's rectangle, for a command to act on; empty, after a
// beep, when there is none, or with the reason told when its corners are
// not in order.
std::optional<SpatialIndex::Box> currentBox(Editor &editor);
// The nearest free place for a width x height box; the refusal is told
// when there is none.
std::optional<QPoint> freePlace(Editor &editor, qint64 width, qint64 height, QPoint target,
    int exemptRow, const QString &refusal);
// Moves the current object to r, or appends a new object there, after the
// collision test, as one undo step; it ends up current.
void placeCurrent(Editor &editor, const SpatialIndex::Box &r);
// The same, the row renamed too.
void placeCurrentAs(Editor &editor, const QString &name, const SpatialIndex::Box &r);
void appendPlaced(Editor &editor, const QString &name, const SpatialIndex::Box &r);
// The box of a rectangle that fits 32 bits, such as an opening's area.
inline SpatialIndex::Box boxOf(const Edges &e)
{
    return {qint32(e.left), qint32(e.top), qint32(e.right), qint32(e.bottom)};
}
// False, with the reason told, when the table is full.
bool roomForAnotherRow(Editor &editor);

} // namespace plandex
