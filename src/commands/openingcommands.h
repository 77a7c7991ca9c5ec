#pragma once

#include "openings/opening.h"

#include <QPointF>

namespace plandex {

class Editor;

// Commands on doors, windows and openings without a leaf. Each change is
// one undo step; one that cannot be done changes nothing and tells why.

// A new opening of the kind at its default width (narrowed to what a short
// wall allows) on the wall nearest at, centred there along it and moved
// along the wall to the nearest place where it and its clear area fit;
// failing that wall, the next nearest.
void addOpening(Editor &editor, OpeningKind kind, QPointF at);
// Gives the current opening this width and, a door, this hinge side and
// direction, keeping its start as far as its wall allows. False, after
// saying why, when refused; true also when nothing changes.
bool resizeOpening(Editor &editor, qint32 width, bool hingesLeft, bool inward);

// What the commands on the current object do when it is an opening: a
// nudge moves it along its wall, a turn flips a door's hinges, a copy goes
// to the nearest place on a wall.
void nudgeOpening(Editor &editor, const Opening &opening, int dx, int dy);
void flipHinges(Editor &editor, const Opening &door);
void copyOpening(Editor &editor, const Opening &opening);

} // namespace plandex
