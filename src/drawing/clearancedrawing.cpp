#include "drawing/clearancedrawing.h"

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

} // namespace

ClearanceDrawing::ClearanceDrawing(const QFont &font)
    : m_font(QRawFont::fromFont(font))
{
    const QFontMetricsF metrics(font);
    m_lineHeight = metrics.height();
    m_ascent = metrics.ascent();
    const QList<quint32> glyphs = m_font.glyphIndexesForString(QStringLiteral("0123456789"));
    const QList<QPointF> advances = m_font.advancesForGlyphIndexes(glyphs);
    for (size_t d = 0; d < 10 && qsizetype(d) < glyphs.size(); ++d) {
        m_glyphs[d] = glyphs[qsizetype(d)];
        m_advances[d] = advances[qsizetype(d)].x();
    }
    m_numbers.setRawFont(m_font);
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
    m_strokes.clear();
    m_slanted.clear();
    m_grounds.clear();
    QList<quint32> glyphs;
    QList<QPointF> positions;
    QRegion area;
    for (const Side &side : sides) {
        if (side.gap <= 0)
            continue;
        const double across = (double(side.stop.from) + double(side.stop.to)) / 2 + 0.5;
        auto at = [&](double along) {
            return toDevice.map(
                side.alongX ? QPointF(along + 0.5, across) : QPointF(across, along + 0.5));
        };
        const QLineF line(at(side.boxEdge), at(side.stopEdge));
        const QPointF normal
            = toDevice.map(side.alongX ? QPointF(0, 1) : QPointF(1, 0)) - toDevice.map(QPointF());
        const double normalLength = std::hypot(normal.x(), normal.y());
        const QPointF tick = normalLength > 0 ? normal * (tickReach / normalLength) : QPointF();
        for (const QLineF &stroke : {line, QLineF(line.p1() - tick, line.p1() + tick),
                 QLineF(line.p2() - tick, line.p2() + tick)}) {
            // One device pixel wide.
            if (stroke.p1().x() == stroke.p2().x() || stroke.p1().y() == stroke.p2().y())
                m_strokes
                    << QRectF(stroke.p1(), stroke.p2()).normalized().adjusted(-0.5, -0.5, 0.5, 0.5);
            else
                m_slanted << stroke;
        }

        const QString number = QString::number(side.gap);
        double width = 0;
        for (QChar digit : number)
            width += m_advances[size_t(digit.unicode() - '0')];
        const QSizeF text(width + 2 * textPadding, m_lineHeight + 2 * textPadding);
        QRectF textBox(QPointF(), text);
        const double length = line.length();
        QPointF centre = line.p1();
        if (length > 0) {
            const QPointF unit = (line.p2() - line.p1()) / length;
            const double halfText
                = (std::abs(unit.x()) * text.width() + std::abs(unit.y()) * text.height()) / 2;
            centre += unit * std::min(length / 2, halfText + numberOffset);
        }
        textBox.moveCenter(centre);
        m_grounds << textBox;
        QPointF pen = textBox.topLeft() + QPointF(textPadding, textPadding + m_ascent);
        for (QChar digit : number) {
            const auto d = size_t(digit.unicode() - '0');
            glyphs << m_glyphs[d];
            positions << pen;
            pen.rx() += m_advances[d];
        }

        // A pixel more all round for what rounding touches.
        const QRectF span = QRectF(line.p1(), line.p2()).normalized();
        const double reach = tickReach + 1;
        area += span.adjusted(-reach, -reach, reach, reach).toAlignedRect();
        area += textBox.adjusted(-1, -1, 1, 1).toAlignedRect();
    }
    m_numbers.setGlyphIndexes(glyphs);
    m_numbers.setPositions(positions);
    return area;
}

void ClearanceDrawing::draw(QPainter &painter, const QColor &color) const
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRects(m_strokes);
    painter.setPen(QPen(color, 0));
    painter.drawLines(m_slanted);
    // Numbers last, so that no line crosses one.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRects(m_grounds);
    painter.setPen(color);
    painter.drawGlyphRun(QPointF(), m_numbers);
    painter.restore();
}

} // namespace plandex
