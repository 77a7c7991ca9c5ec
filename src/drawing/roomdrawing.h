#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace plandex {

class ObjectTable;

// An object's size as its labels W and H show it, "120 × 60": right - left,
// then bottom - top, in cm.
QString objectSizeText(qint64 width, qint64 height);

// Names and sizes of the objects whose rectangles meet area (room cm).
// The painter's world transform maps room cm to the device and may only
// scale and move; the font's size (its pixel size, or else its point size
// taken as pixels) is the text's height on the device whatever the
// transform. Each label is centred inside its object as fitLabel lays it
// out (the size whole or no label, never a cut number), and never painted
// outside the object. Given the room's size, the doors, windows and
// openings of the room get no label: they are drawn as their symbols.
void drawObjectLabels(QPainter &painter, const ObjectTable &table, const QRectF &area,
    const QFont &font, const QColor &color, QSize room = {});

} // namespace plandex
