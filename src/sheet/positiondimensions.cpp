#include "sheet/positiondimensions.h"

#include "drawing/drawnareas.h"
#include "sheet/sheetlayout.h"
#include "sheet/sheetstyle.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace plandex {

namespace {

// A dimension across the page, laid out as if every one were: one running
// down the page is laid out with x and y swapped.
struct Axis {
    bool down;
    QPointF operator()(QPointF p) const { return down ? QPointF(p.y(), p.x()) : p; }
    QRectF operator()(const QRectF &r) const
    {
        return down ? QRectF(r.top(), r.left(), r.height(), r.width()) : r;
    }
    QLineF operator()(const QLineF &l) const { return {(*this)(l.p1()), (*this)(l.p2())}; }
};

// Lays the dimension of one axis out; false when none of its places is clear.
bool placeOne(Axis axis, const QRectF &pageBox, const QRectF &pageRoom, qint64 nearGap,
    qint64 farGap, const SheetLayout &layout, const QFontMetricsF &metrics, DrawnAreas &drawn,
    std::vector<PositionDimension> &out)
{
    if (std::min(nearGap, farGap) <= 0)
        return true;
    const QRectF box = axis(pageBox), room = axis(pageRoom);
    const bool fromNear = nearGap <= farGap;
    const double x1 = fromNear ? room.left() : box.right();
    const double x2 = fromNear ? box.left() : room.right();
    const QString number = QString::number(fromNear ? nearGap : farGap);
    const double textWidth = metrics.horizontalAdvance(number);
    const double tick = layout.mm(1);
    const double half = layout.mm(0.09); // of the thinnest line
    const double step = metrics.height();

    // Beside the piece first, where its own edge is the extension line;
    // then above and below it, with extension lines from its corner.
    std::vector<double> ys;
    const double middle = box.center().y();
    for (int k = 0; k * step <= box.height() / 2 - tick; ++k) {
        ys.push_back(middle + k * step);
        if (k > 0)
            ys.push_back(middle - k * step);
    }
    for (double away : {4.0, 8.0}) {
        ys.push_back(box.top() - layout.mm(away));
        ys.push_back(box.bottom() + layout.mm(away));
    }
    for (double y : ys) {
        if (y < room.top() + tick || y > room.bottom() - tick)
            continue;
        const QRectF line = QRectF(QPointF(x1, y - tick), QPointF(x2, y + tick));
        QRectF text(0, y - layout.mm(0.8) - metrics.height(), textWidth, metrics.height());
        if (textWidth + 2 * tick <= x2 - x1)
            text.moveLeft((x1 + x2 - textWidth) / 2);
        else if (fromNear)
            text.moveLeft(x2 + tick);
        else
            text.moveRight(x1 - tick);
        // Beyond the piece, an extension line from its corner.
        QLineF extension;
        if (y < box.top() || y > box.bottom()) {
            const double edge = y < box.top() ? box.top() : box.bottom();
            const double over = y < box.top() ? -tick : tick;
            const double x = fromNear ? x2 : x1;
            extension = QLineF(x, edge, x, y + over);
        }
        const QRectF reach = extension.isNull()
            ? QRectF()
            : QRectF(extension.p1(), extension.p2()).normalized().adjusted(-half, 0, half, 0);
        if (!room.contains(text) || drawn.overlaps(axis(line)) || drawn.overlaps(axis(text))
            || (!reach.isNull() && drawn.overlaps(axis(reach))))
            continue;
        PositionDimension d;
        d.line = axis(QLineF(x1, y, x2, y));
        d.number = number;
        d.upright = axis.down;
        if (!extension.isNull())
            d.extensions.push_back(axis(extension));
        const QRectF t = axis(text);
        d.textBox = t;
        // Upright text reads upwards: its start is at the bottom, its
        // glyphs rise to the left of the baseline.
        d.textAt = axis.down ? QPointF(-t.bottom(), t.left() + metrics.ascent())
                             : QPointF(t.left(), t.top() + metrics.ascent());
        drawn.add(axis(line));
        drawn.add(t);
        if (!reach.isNull())
            drawn.add(axis(reach));
        out.push_back(std::move(d));
        return true;
    }
    return false;
}

} // namespace

bool placePositionDimensions(const PiecePlace &piece, QSize room, const SheetLayout &layout,
    const QFontMetricsF &metrics, DrawnAreas &drawn, std::vector<PositionDimension> &out)
{
    const bool across = placeOne(Axis {false}, piece.box, layout.room, piece.left,
        room.width() - piece.right, layout, metrics, drawn, out);
    const bool down = placeOne(Axis {true}, piece.box, layout.room, piece.top,
        room.height() - piece.bottom, layout, metrics, drawn, out);
    return across && down;
}

void drawDimensionTicks(QPainter &painter, const QLineF &line, double reach)
{
    for (const QPointF &end : {line.p1(), line.p2()})
        painter.drawLine(end + QPointF(-reach, reach), end + QPointF(reach, -reach));
}

void drawPositionDimensions(
    QPainter &painter, const SheetLayout &layout, const std::vector<PositionDimension> &dimensions)
{
    if (dimensions.empty())
        return;
    painter.save();
    painter.setPen(sheetLine(layout, 0.18));
    painter.setFont(sheetFont(layout, textDigitMm));
    const double tick = layout.mm(1);
    for (const PositionDimension &d : dimensions) {
        painter.drawLine(d.line);
        for (const QLineF &e : d.extensions)
            painter.drawLine(e);
        drawDimensionTicks(painter, d.line, tick);
        if (d.upright) {
            painter.save();
            painter.rotate(-90);
            painter.drawText(d.textAt, d.number);
            painter.restore();
        } else {
            painter.drawText(d.textAt, d.number);
        }
    }
    painter.restore();
}

} // namespace plandex
