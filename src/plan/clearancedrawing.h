#pragma once

#include "plan/clearances.h"

#include <QRegion>

class QColor;
class QFont;
class QPainter;
class QTransform;

namespace plandex {

// Dimension lines from the box to what stops it on each side, each with
// its length in centimetres; a side flush with its obstacle has none. The
// painter's world transform maps room centimetres to the device; lines are
// one device pixel wide and the numbers are set at the font's size on the
// device, on a black ground, so that they read alike in every room and at
// every scale.
void drawClearances(
    QPainter &painter, const Clearances &clearances, const QFont &font, const QColor &color);

// The device pixels drawClearances covers through this transform.
QRegion clearancesArea(
    const Clearances &clearances, const QTransform &roomToDevice, const QFont &font);

} // namespace plandex
