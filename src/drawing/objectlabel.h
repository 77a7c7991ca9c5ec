#pragma once

#include "drawing/objectsinarea.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

class QFontMetricsF;
class QPainter;

namespace plandex {

// What of an object's label fits its box: up to two lines, the name above
// the size, each whole or shortened with "…"; a line with nothing of its
// own left besides the ellipsis is left out.
struct FittedLabel {
    struct Line {
        QString text;
        QPointF baseline; // where its text starts
    };
    Line lines[2];
    int count = 0;
    // What the lines cover.
    QRectF extent;
};

// The most a label can cover in box: as many lines as its height holds (two
// at the most) across the whole width inside the margin; empty when no
// line fits.
QRectF labelSpace(const QRectF &box, const QFontMetricsF &metrics);

// Lays the label out centred in box (device pixels), with a margin of an
// eighth of the line height on every side.
FittedLabel fitLabel(
    const QRectF &box, const QString &name, const QString &size, const QFontMetricsF &metrics);

// drawObjectLabels, finding the rows as lookup says. A label that would
// print over one drawn before it is left out: only objects lying over one
// another (in a damaged file) have such labels, and so the text laid out
// is bounded by the device's area, not by the number of objects.
void paintObjectLabels(QPainter &painter, const ObjectTable &table, const QRectF &area,
    const QFont &font, const QColor &color, Lookup lookup, QSize room = {});

} // namespace plandex
