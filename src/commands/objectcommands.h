#pragma once

#include <QPointF>
#include <QSize>
#include <QString>

namespace plandex {

class Editor;

// Commands on the current object from the keyboard and the menus. Each
// change is one undo step; one that cannot be done changes nothing and
// tells why, or beeps when there is no object or a nudge is blocked.

// Moves the current object by dx, dy (one of them 0), as far towards it as
// it can go without passing anything.
void nudge(Editor &editor, int dx, int dy);
// Swaps the current object's length and width about its centre; when it
// does not fit there turned, it goes to the nearest place it fits.
void turnCurrent(Editor &editor);
// A copy of the current object at the nearest free place to it.
void copyCurrent(Editor &editor);
// The delete button's handler, when there is an object to delete.
void deleteCurrent(Editor &editor);
// A new object of the given size, centred as near to at as it fits.
void addPiece(Editor &editor, const QString &name, QSize size, QPointF at);
// Asks for a new name of the current object, the old one filled in.
void renameObject(Editor &editor);
// The size dialog for the current object, in any mode.
void enterSize(Editor &editor);

} // namespace plandex
