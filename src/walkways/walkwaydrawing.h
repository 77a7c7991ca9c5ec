#pragma once

#include "walkways/roomwalkways.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>

class QPainter;
class QTransform;

namespace plandex {

// How the walkways look on one device: the colours of the crosses over
// the pieces nobody reaches, of the tight places' dimension lines and of
// the ground under their numbers, the lines' width in device pixels, and
// the numbers' font at its pixel size on the device.
struct WalkwayLook {
    QColor cross;
    QColor line;
    QColor ground;
    double pen = 1;
    QFont font;
};

// The floor people can cover as a picture of the room's size: colour
// where they can stand, transparent elsewhere.
QImage walkwayFloor(const RoomWalkways &walkways, QRgb colour);
// The same within area of shade (ARGB32 premultiplied, the room's size)
// from floor (WalkwayMap::reachableFloor), and only where plan (Indexed8
// or 32-bit, the room's size) shows floor of floorColour (0xRRGGBB), so
// that what is drawn on the floor keeps its colour.
void shadeWalkwayFloor(QImage &shade, const QImage &floor, QRgb colour, const QRect &area,
    const QImage &plan, QRgb floorColour);

// A cross over each piece nobody reaches and, at each tight place, a
// dimension line with its width in cm, mapped through roomToDevice; the
// painter's coordinates are the device's. Only marks meeting visible
// (device coordinates) are drawn.
void drawWalkwayMarks(QPainter &painter, const RoomWalkways &walkways,
    const QTransform &roomToDevice, const WalkwayLook &look, const QRectF &visible);

} // namespace plandex
