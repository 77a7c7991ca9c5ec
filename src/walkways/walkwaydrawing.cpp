#include "walkways/walkwaydrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <cmath>
#include <vector>

namespace plandex {

namespace {

template<typename Bare>
void shade(QImage &shade, const QImage &floor, QRgb colour, const QRect &area, const Bare &bare)
{
    const QRgb painted = qPremultiply(colour | 0xFF000000u);
    const QRect inside = area & floor.rect() & shade.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const uchar *in = floor.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(shade.scanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x)
            out[x] = in[x] && bare(x, y) ? painted : 0;
    }
}

} // namespace

QImage walkwayFloor(const RoomWalkways &walkways, QRgb colour)
{
    QImage image(walkways.floor.size(), QImage::Format_ARGB32_Premultiplied);
    if (!image.isNull())
        shade(image, walkways.floor, colour, image.rect(), [](int, int) { return true; });
    return image;
}

void shadeWalkwayFloor(QImage &shade, const QImage &floor, QRgb colour, const QRect &area,
    const QImage &plan, QRgb floorColour)
{
    if (plan.size() != floor.size())
        return;
    const QRgb wanted = floorColour & 0xFFFFFF;
    if (plan.format() == QImage::Format_Indexed8) {
        // Which of the plan's colours are floor.
        std::vector<bool> floorIndex;
        for (QRgb c : plan.colorTable())
            floorIndex.push_back((c & 0xFFFFFF) == wanted);
        plandex::shade(shade, floor, colour, area, [&](int x, int y) {
            const uchar i = plan.constScanLine(y)[x];
            return i < floorIndex.size() && floorIndex[i];
        });
    } else if (plan.depth() == 32) {
        plandex::shade(shade, floor, colour, area, [&](int x, int y) {
            return (reinterpret_cast<const QRgb *>(plan.constScanLine(y))[x] & 0xFFFFFF) == wanted;
        });
    }
}

namespace {

// A line across a tight place with ticks at its ends and its width beside
// its middle, on a ground.
void drawTight(QPainter &painter, const QLineF &line, int width, const WalkwayLook &look)
{
    const QFontMetricsF metrics(look.font);
    const QString text = QString::number(width);
    const double tick = metrics.ascent() / 3;
    const QPointF along = line.length() > 0 ? (line.p2() - line.p1()) / line.length() : QPointF();
    const QPointF across(-along.y(), along.x());
    painter.setPen(QPen(look.line, look.pen, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(line);
    for (const QPointF &end : {line.p1(), line.p2()})
        painter.drawLine(end - across * tick, end + across * tick);
    const QSizeF size(metrics.horizontalAdvance(text), metrics.ascent());
    const QPointF middle = line.center();
    // Upright, beside the line: above one that runs across, right of one
    // that runs down.
    const bool flat = std::abs(along.x()) >= std::abs(along.y());
    const QPointF corner = flat
        ? QPointF(middle.x() - size.width() / 2, middle.y() - tick - size.height())
        : QPointF(middle.x() + tick, middle.y() - size.height() / 2);
    const QRectF box(corner, size);
    const double pad = look.pen;
    painter.fillRect(box.adjusted(-pad, -pad, pad, pad), look.ground);
    painter.setFont(look.font);
    painter.drawText(QPointF(box.left(), box.top() + metrics.ascent()), text);
}

} // namespace

void drawWalkwayMarks(QPainter &painter, const RoomWalkways &walkways,
    const QTransform &roomToDevice, const WalkwayLook &look, const QRectF &visible)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(look.cross, look.pen, Qt::SolidLine, Qt::RoundCap));
    for (const Edges &e : walkways.unreachable) {
        const QRectF box
            = roomToDevice.mapRect(QRectF(QPointF(e.left, e.top), QPointF(e.right, e.bottom)));
        if (!box.intersects(visible) && !visible.contains(box.topLeft()))
            continue;
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    }
    // A number may stand a few of its lines' heights beside its line.
    const double reach = 3 * QFontMetricsF(look.font).height();
    for (const RoomWalkways::Tight &t : walkways.tight) {
        const QLineF line = roomToDevice.map(QLineF(t.line));
        if (QRectF(line.p1(), line.p2())
                .normalized()
                .adjusted(-reach, -reach, reach, reach)
                .intersects(visible))
            drawTight(painter, line, t.width, look);
    }
    painter.restore();
}

} // namespace plandex
