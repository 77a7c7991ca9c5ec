#pragma once

#include "plan/clearances.h"

#include <QFont>
#include <QLineF>
#include <QRegion>
#include <QStaticText>

#include <array>
#include <vector>

class QColor;
class QPainter;
class QTransform;

namespace plandex {

// Dimension lines from a box to what stops it on each side, each with its
// length in centimetres; a side flush with its obstacle has none. Lines
// are one pixel of the device wide and the numbers are set at the font's
// pixel size on the device, on a black ground, so that they read alike in
// every room and at every scale.
//
// Lays the marks out once per set of clearances and keeps the digits'
// glyphs, so that a drag's frames neither shape text nor lay it out again.
class ClearanceDrawing
{
public:
    // font: its pixel size is the numbers' height on the device.
    explicit ClearanceDrawing(const QFont &font);

    // Lays out the marks of these clearances through roomToDevice and
    // returns the device pixels they cover.
    QRegion layOut(const Clearances &clearances, const QTransform &roomToDevice);
    // Paints the marks laid out last. The painter's coordinates must be
    // the device coordinates of the layout.
    void draw(QPainter &painter, const QColor &color) const;

private:
    struct Mark {
        QLineF line;
        QPointF tick; // from an end of the line to a tick's end
        QRectF textBox;
        QString number;
    };

    QFont m_font;
    std::array<QStaticText, 10> m_digits;
    std::array<double, 10> m_advances {};
    double m_lineHeight = 0;
    std::vector<Mark> m_marks;
};

// The same for one drawing: the painter's world transform maps room
// centimetres to the device.
void drawClearances(
    QPainter &painter, const Clearances &clearances, const QFont &font, const QColor &color);

} // namespace plandex
