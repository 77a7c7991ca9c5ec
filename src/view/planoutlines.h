#pragma once

#include <QPoint>
#include <QRect>

class QPainter;

namespace plandex {

class Editor;

// With names and sizes on, each object shown has a line of one device
// pixel along the inside of its edge, a shade darker than its fill, so
// that neighbours a centimetre apart, whose pixels meet, stay apart. A
// dragged object has it where its preview is. Paints those of the objects
// meeting area (room pixels); the room's top-left pixel lies at origin of
// the painter's coordinates, at zoom view pixels a centimetre.
void paintOutlines(
    QPainter &painter, const Editor &editor, const QRect &area, QPoint origin, double zoom);

} // namespace plandex
