#pragma once

#include "drawing/objectsinarea.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <array>

class QFontMetricsF;
class QPainter;
class QTransform;

namespace plandex {

inline constexpr int maxLabelLines = 4;

// What of an object's label fits its box. The size comes first and is
// shown whole or not at all: a label is the size alone, or the name above
// it, wrapped onto the lines the box has room for and shortened only on
// the last of them. A box taller than wide may have its label turned to
// read upwards along its long side.
struct FittedLabel {
    struct Line {
        QString text;
        // Where its text starts, from the box's centre, in the label's
        // own frame (turned with it).
        QPointF baseline;
    };
    std::array<Line, maxLabelLines> lines;
    int count = 0;
    bool turned = false;
    // The full name and the full size, each unbroken on a line of its own.
    bool whole = false;
    QPointF centre;
    // What the lines cover.
    QRectF extent;
};

// Where a label could go in box: inside the margin, when a line can fit
// it; empty otherwise.
QRectF labelSpace(const QRectF &box, const QFontMetricsF &metrics);

// Lays the label out centred in box, with a margin of an eighth of the line
// height on every side.
FittedLabel fitLabel(
    const QRectF &box, const QString &name, const QString &size, const QFontMetricsF &metrics);

// Paints a label laid out by fitLabel in the painter's current frame.
void drawLabel(QPainter &painter, const FittedLabel &label);

// drawObjectLabels, finding the rows as lookup says. A label that would
// print over one drawn before it is left out: only objects lying over one
// another (in a damaged file) have such labels, and so the text laid out
// is bounded by the device's area, not by the number of objects.
void paintObjectLabels(QPainter &painter, const ObjectTable &table, const QRectF &area,
    const QFont &font, const QColor &color, Lookup lookup, QSize room = {});

} // namespace plandex
