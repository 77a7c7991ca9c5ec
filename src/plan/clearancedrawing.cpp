#include "plan/clearancedrawing.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace plandex {

namespace {

// Device pixels: the ticks' reach from the line, and the ground around a
// number.
constexpr double tickReach = 3;
constexpr double textPadding = 2;
// How far a number's near end keeps from the box.
constexpr double numberOffset = 6;

struct Mark {
    QLineF line; // device
    QPointF tick; // device offset from an end of the line to a tick's end
    QRectF textBox; // device
    QString number;
};

// The marks of the four sides as the device shows them. A line runs from
// the centre of the box's edge pixel to that of the obstacle's, so that
// its length is the number it carries. The number sits on the line near
// the box, where it is seen while the box is, also in a room that scrolls.
std::vector<Mark> layout(const Clearances &c, const QTransform &toDevice, const QFont &font)
{
    struct Side {
        qint64 gap;
        bool alongX;
        double boxEdge, stopEdge;
        const Clearance &stop;
    };
    const Edges &b = c.box;
    const Side sides[4] = {
        {c.leftGap(), true, double(b.left), double(c.left.edge), c.left},
        {c.upGap(), false, double(b.top), double(c.up.edge), c.up},
        {c.rightGap(), true, double(b.right), double(c.right.edge), c.right},
        {c.downGap(), false, double(b.bottom), double(c.down.edge), c.down},
    };
    const QFontMetricsF metrics(font);
    std::vector<Mark> marks;
    for (const Side &side : sides) {
        if (side.gap <= 0)
            continue;
        const double across = (double(side.stop.from) + double(side.stop.to)) / 2 + 0.5;
        auto at = [&](double along) {
            return toDevice.map(
                side.alongX ? QPointF(along + 0.5, across) : QPointF(across, along + 0.5));
        };
        Mark mark;
        mark.line = QLineF(at(side.boxEdge), at(side.stopEdge));
        const QPointF normal = toDevice.map(QPointF(side.alongX ? QPointF(0, 1) : QPointF(1, 0)))
            - toDevice.map(QPointF());
        const double normalLength = std::hypot(normal.x(), normal.y());
        mark.tick = normalLength > 0 ? normal * (tickReach / normalLength) : QPointF();
        mark.number = QString::number(side.gap);
        const QSizeF text = metrics.size(Qt::TextSingleLine, mark.number)
            + QSizeF(2 * textPadding, 2 * textPadding);
        mark.textBox = QRectF(QPointF(), text);
        const double length = mark.line.length();
        QPointF centre = mark.line.p1();
        if (length > 0) {
            const QPointF unit = (mark.line.p2() - mark.line.p1()) / length;
            const double halfText
                = (std::abs(unit.x()) * text.width() + std::abs(unit.y()) * text.height()) / 2;
            centre += unit * std::min(length / 2, halfText + numberOffset);
        }
        mark.textBox.moveCenter(centre);
        marks.push_back(mark);
    }
    return marks;
}

} // namespace

void drawClearances(
    QPainter &painter, const Clearances &clearances, const QFont &font, const QColor &color)
{
    const std::vector<Mark> marks = layout(clearances, painter.worldTransform(), font);
    painter.save();
    painter.resetTransform();
    painter.setFont(font);
    QPen pen(color, 0);
    pen.setCosmetic(true);
    painter.setPen(pen);
    for (const Mark &mark : marks) {
        painter.drawLine(mark.line);
        for (const QPointF &end : {mark.line.p1(), mark.line.p2()})
            painter.drawLine(end - mark.tick, end + mark.tick);
    }
    // Numbers last, so that no line crosses one.
    for (const Mark &mark : marks) {
        painter.fillRect(mark.textBox, Qt::black);
        painter.drawText(mark.textBox, Qt::AlignCenter, mark.number);
    }
    painter.restore();
}

QRegion clearancesArea(
    const Clearances &clearances, const QTransform &roomToDevice, const QFont &font)
{
    QRegion area;
    // A pixel more all round for what smoothing and rounding touch.
    for (const Mark &mark : layout(clearances, roomToDevice, font)) {
        const QRectF line = QRectF(mark.line.p1(), mark.line.p2()).normalized();
        const double reach = tickReach + 1;
        area += line.adjusted(-reach, -reach, reach, reach).toAlignedRect();
        area += mark.textBox.adjusted(-1, -1, 1, 1).toAlignedRect();
    }
    return area;
}

} // namespace plandex
