#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>

#include <vector>

class QFontMetricsF;
class QPainter;

namespace plandex {

class DrawnAreas;
struct SheetLayout;

// A piece's distance to a wall drawn as the room's own lengths are: a
// dimension line with slashes at its ends, extension lines where it runs
// beside the piece rather than across from its edge, and the number in cm
// above it (turned with it when it runs up the page).
struct PositionDimension {
    QLineF line;
    std::vector<QLineF> extensions;
    QString number;
    bool upright = false;
    // Where the number's text starts, in its own frame (turned with it),
    // and what it covers on the page.
    QPointF textAt;
    QRectF textBox;
};

// The distances from box (on the page, cm measures as given) to the nearer
// wall across and the nearer wall down, each laid where it crosses nothing
// drawn before it, and then counted as drawn. A piece flush with a wall
// needs none on that axis. False when one was needed and found no clear
// place: the schedule gives the piece's position then.
struct PiecePlace {
    QRectF box;
    qint64 left, top, right, bottom; // cm from the room's top-left corner
};
bool placePositionDimensions(const PiecePlace &piece, QSize room, const SheetLayout &layout,
    const QFontMetricsF &metrics, DrawnAreas &drawn, std::vector<PositionDimension> &out);

void drawPositionDimensions(
    QPainter &painter, const SheetLayout &layout, const std::vector<PositionDimension> &dimensions);

// The slashes at a dimension line's ends, as the sheet draws them.
void drawDimensionTicks(QPainter &painter, const QLineF &line, double reach);

} // namespace plandex
