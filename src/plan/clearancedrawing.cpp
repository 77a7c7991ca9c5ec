#include "plan/clearancedrawing.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace plandex {

namespace {

// Device pixels: the ticks' reach from the line, and the ground around a
// number.
constexpr double tickReach = 3;
constexpr double textPadding = 2;
// How far a number's near end keeps from the box.
constexpr double numberOffset = 6;

// A line of one device pixel: a thin rectangle when it runs along an axis,
// which is the common case and much cheaper than a stroke.
void drawThinLine(QPainter &painter, const QLineF &line, const QColor &color)
{
    if (line.p1().y() == line.p2().y() || line.p1().x() == line.p2().x()) {
        const QRectF span = QRectF(line.p1(), line.p2()).normalized();
        painter.fillRect(span.adjusted(-0.5, -0.5, 0.5, 0.5), color);
    } else {
        painter.setPen(QPen(color, 0));
        painter.drawLine(line);
    }
}

} // namespace

ClearanceDrawing::ClearanceDrawing(const QFont &font)
    : m_font(font)
{
    const QFontMetricsF metrics(font);
    m_lineHeight = metrics.height();
    for (int d = 0; d < 10; ++d) {
        const QString digit(QChar('0' + d));
        m_advances[size_t(d)] = metrics.horizontalAdvance(digit);
        m_digits[size_t(d)].setText(digit);
        m_digits[size_t(d)].setTextFormat(Qt::PlainText);
        m_digits[size_t(d)].prepare(QTransform(), font);
    }
}

// A line runs from the centre of the box's edge pixel to that of the
// obstacle's, so that its length is the number it carries. The number sits
// on the line near the box, where it is seen while the box is, also in a
// room that scrolls.
QRegion ClearanceDrawing::layOut(const Clearances &c, const QTransform &toDevice)
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
    m_marks.clear();
    QRegion area;
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
        const QPointF normal
            = toDevice.map(side.alongX ? QPointF(0, 1) : QPointF(1, 0)) - toDevice.map(QPointF());
        const double normalLength = std::hypot(normal.x(), normal.y());
        mark.tick = normalLength > 0 ? normal * (tickReach / normalLength) : QPointF();
        mark.number = QString::number(side.gap);
        double width = 0;
        for (QChar digit : mark.number)
            width += m_advances[size_t(digit.unicode() - '0')];
        const QSizeF text(width + 2 * textPadding, m_lineHeight + 2 * textPadding);
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
        // A pixel more all round for what rounding touches.
        const QRectF line = QRectF(mark.line.p1(), mark.line.p2()).normalized();
        const double reach = tickReach + 1;
        area += line.adjusted(-reach, -reach, reach, reach).toAlignedRect();
        area += mark.textBox.adjusted(-1, -1, 1, 1).toAlignedRect();
        m_marks.push_back(std::move(mark));
    }
    return area;
}

void ClearanceDrawing::draw(QPainter &painter, const QColor &color) const
{
    painter.save();
    for (const Mark &mark : m_marks) {
        drawThinLine(painter, mark.line, color);
        for (const QPointF &end : {mark.line.p1(), mark.line.p2()})
            drawThinLine(painter, QLineF(end - mark.tick, end + mark.tick), color);
    }
    // Numbers last, so that no line crosses one; digit by digit, each laid
    // out once.
    painter.setPen(color);
    painter.setFont(m_font);
    for (const Mark &mark : m_marks) {
        painter.fillRect(mark.textBox, Qt::black);
        QPointF at = mark.textBox.topLeft() + QPointF(textPadding, textPadding);
        for (QChar digit : mark.number) {
            const auto d = size_t(digit.unicode() - '0');
            painter.drawStaticText(at, m_digits[d]);
            at.rx() += m_advances[d];
        }
    }
    painter.restore();
}

void drawClearances(
    QPainter &painter, const Clearances &clearances, const QFont &font, const QColor &color)
{
    ClearanceDrawing drawing(font);
    drawing.layOut(clearances, painter.worldTransform());
    painter.save();
    painter.resetTransform();
    drawing.draw(painter, color);
    painter.restore();
}

} // namespace plandex
