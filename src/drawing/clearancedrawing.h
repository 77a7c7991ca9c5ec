#pragma once

#include "drawing/clearances.h"

#include <QFont>
#include <QGlyphRun>
#include <QLineF>
#include <QList>
#include <QRawFont>
#include <QRegion>

#include <array>

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
// Lays the marks out once per set of clearances, from the digits' glyphs
// looked up once, so that a drag's frames never shape text; the marks are
// painted in a few calls.
class ClearanceDrawing
{
public:
    // font: its pixel size is the numbers' height on the device.
    explicit ClearanceDrawing(const QFont &font);

    // Lays out the marks of these clearances through roomToDevice and
    // returns the device pixels they cover.
    QRegion layOut(const Clearances &clearances, const QTransform &roomToDevice);
    // Paints the marks laid out last; the painter's coordinates must be the
    // device coordinates of the layout.
    void draw(QPainter &painter, const QColor &color) const;

private:
    QRawFont m_font;
    std::array<quint32, 10> m_glyphs {};
    std::array<double, 10> m_advances {};
    double m_lineHeight = 0;
    double m_ascent = 0;
    // Lines and ticks along the axes as thin rectangles; others as lines.
    QList<QRectF> m_strokes;
    QList<QLineF> m_slanted;
    QList<QRectF> m_grounds;
    QGlyphRun m_numbers;
};

} // namespace plandex
