#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

class QFontMetricsF;

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
};

// Lays the label out centred in box (device pixels), with a margin of an
// eighth of the line height on every side.
FittedLabel fitLabel(
    const QRectF &box, const QString &name, const QString &size, const QFontMetricsF &metrics);

} // namespace plandex
