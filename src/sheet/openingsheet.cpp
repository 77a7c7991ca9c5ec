#include "sheet/openingsheet.h"

#include "openings/takengaps.h"
#include "sheet/roomsheet.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace plandex {

namespace {

// How far inside the room an opening's dimensions run, in mm.
constexpr double dimensionMm = 4;

// An opening's wall on the page: where the wall's inner line starts, the
// way along it and the way into the room, in device pixels.
struct WallFrame {
    QPointF origin;
    QPointF along;
    QPointF inward;
    double perCm;

    // t cm along the wall, depth device pixels into the room.
    QPointF at(double t, double depth) const
    {
        return origin + along * (t * perCm) + inward * depth;
    }
};

WallFrame frameOf(Wall wall, const SheetLayout &layout)
{
    const QRectF &r = layout.room;
    const double k = layout.pixelsPerCm;
    switch (wall) {
    case Wall::Top:
        return {r.topLeft(), {1, 0}, {0, 1}, k};
    case Wall::Bottom:
        return {r.bottomLeft(), {1, 0}, {0, -1}, k};
    case Wall::Left:
        return {r.topLeft(), {0, 1}, {1, 0}, k};
    case Wall::Right:
        return {r.topRight(), {0, 1}, {-1, 0}, k};
    }
    return {};
}

QPen pen(const SheetLayout &layout, double widthMm)
{
    QPen pen(Qt::black, layout.mm(widthMm));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void drawSymbol(QPainter &painter, const SheetLayout &layout, const Opening &o)
{
    const WallFrame f = frameOf(o.wall, layout);
    const double a = o.start, b = double(o.start) + o.width;
    const double wall = -layout.wall;
    // The gap: the wall's band taken away, a jamb at each side.
    const double over = layout.mm(0.1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(
        QPolygonF({f.at(a, over), f.at(b, over), f.at(b, wall - over), f.at(a, wall - over)}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen(layout, 0.25));
    painter.drawLine(f.at(a, 0), f.at(a, wall));
    painter.drawLine(f.at(b, 0), f.at(b, wall));
    if (o.kind == OpeningKind::Window) {
        painter.setPen(pen(layout, 0.18));
        for (const double depth : {0.0, wall / 2, wall})
            painter.drawLine(f.at(a, depth), f.at(b, depth));
    }
    if (o.kind != OpeningKind::Door)
        return;
    // The leaf open at right angles, from the wall's face it opens from.
    const double hinge = hingeAt(o), far = hinge == a ? b : a;
    const double face = o.inward ? 0 : wall;
    const double reach = (o.inward ? 1 : -1) * o.width * f.perCm;
    painter.setPen(pen(layout, 0.35));
    painter.drawLine(f.at(hinge, face), f.at(hinge, face + reach));
    painter.setPen(pen(layout, 0.18));
    QPainterPath arc(f.at(hinge, face + reach));
    const int steps = 32;
    for (int i = 1; i <= steps; ++i) {
        const double angle = std::numbers::pi / 2 * i / steps;
        arc.lineTo(f.at(hinge + (far - hinge) * std::sin(angle), face + reach * std::cos(angle)));
    }
    painter.drawPath(arc);
}

// A dimension along the wall from t1 to t2 cm: the line inside the room
// with slashes at its ends and the number centred beside it, turned with
// the wall.
void drawDimension(QPainter &painter, const SheetLayout &layout, const WallFrame &f, double t1,
    double t2, const QFont &font)
{
    const double depth = layout.mm(dimensionMm), tick = layout.mm(1);
    painter.setPen(pen(layout, 0.18));
    painter.drawLine(f.at(t1, depth), f.at(t2, depth));
    for (const double t : {t1, t2}) {
        painter.drawLine(f.at(t, depth - layout.mm(2)), f.at(t, depth + layout.mm(1)));
        painter.drawLine(f.at(t, depth) - f.along * tick + f.inward * tick,
            f.at(t, depth) + f.along * tick - f.inward * tick);
    }
    const QString label = QString::number(qRound(std::abs(t2 - t1)));
    const QFontMetricsF metrics(font, painter.device());
    painter.save();
    painter.translate(f.at((t1 + t2) / 2, depth + layout.mm(0.8) + metrics.height() / 2));
    if (f.along.y() != 0)
        painter.rotate(-90);
    painter.setFont(font);
    painter.drawText(
        QPointF(-metrics.horizontalAdvance(label) / 2, (metrics.ascent() - metrics.descent()) / 2),
        label);
    painter.restore();
}

} // namespace

void drawOpenings(
    QPainter &painter, const SheetLayout &layout, const ObjectTable &table, QSize room)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, qRound(layout.mm(2.5))));
    painter.save();
    TakenGaps gaps;
    for (const ObjectTable::Row &row : table.rows()) {
        const auto opening = openingOfRow(row, room);
        if (!opening || !gaps.take(*opening))
            continue;
        drawSymbol(painter, layout, *opening);
        const WallFrame f = frameOf(opening->wall, layout);
        const double a = opening->start, b = double(opening->start) + opening->width;
        drawDimension(painter, layout, f, a, b, font);
        // To the nearer corner, the one at the wall's start when both are.
        const double length = wallLength(opening->wall, room);
        const double corner = a <= length - b ? 0 : length;
        const double jamb = corner == 0 ? a : b;
        if (jamb != corner)
            drawDimension(painter, layout, f, corner, jamb, font);
    }
    painter.restore();
}

} // namespace plandex
