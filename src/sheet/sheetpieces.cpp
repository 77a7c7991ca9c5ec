#include "sheet/sheetpieces.h"

#include "drawing/drawnareas.h"
#include "drawing/objectsinarea.h"
#include "drawing/outlines.h"
#include "drawing/roomdrawing.h"
#include "model/objecttable.h"
#include "openings/opening.h"
#include "sheet/sheetlayout.h"
#include "sheet/sheetstyle.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <iterator>

namespace plandex {

namespace {

struct Piece {
    int row;
    ObjectRect rect;
    QRectF box;
    bool told = false;
};

// What tags and dimensions must keep clear of besides the labels: the walls
// and the room's lengths outside them, the title block and the scale bar.
void reserveFrame(const SheetLayout &layout, DrawnAreas &drawn)
{
    const QRectF &r = layout.room;
    const double outer = layout.wall + layout.mm(10);
    drawn.add(QRectF(r.left() - outer, r.top() - outer, r.width() + 2 * outer, outer));
    drawn.add(QRectF(r.left() - outer, r.top() - outer, outer, r.height() + 2 * outer));
    drawn.add(QRectF(r.right(), r.top(), layout.wall, r.height()));
    drawn.add(QRectF(r.left(), r.bottom(), r.width(), layout.wall));
    drawn.add(layout.titleBlock);
    drawn.add(layout.scaleBar);
}

// The tag inside the piece, or the first clear place around it.
bool placeTag(const QRectF &box, const QSizeF &ring, const SheetLayout &layout, DrawnAreas &drawn,
    PlannedPieces::Tag &tag)
{
    const double gap = layout.mm(1.5);
    const double dx = box.width() / 2 + gap + ring.width() / 2;
    const double dy = box.height() / 2 + gap + ring.height() / 2;
    const QPointF c = box.center();
    const QPointF places[]
        = {c, c + QPointF(dx, 0), c - QPointF(0, dy), c - QPointF(dx, 0), c + QPointF(0, dy),
            c + QPointF(dx, -dy), c + QPointF(-dx, -dy), c + QPointF(-dx, dy), c + QPointF(dx, dy)};
    for (const QPointF &at : places) {
        QRectF r(QPointF(), ring);
        r.moveCenter(at);
        const bool inside = at == c;
        if ((inside && !box.contains(r)) || !layout.room.contains(r) || drawn.overlaps(r))
            continue;
        tag.ring = r;
        if (!inside) {
            const QPointF onBox(std::clamp(at.x(), box.left(), box.right()),
                std::clamp(at.y(), box.top(), box.bottom()));
            const QPointF onRing(std::clamp(onBox.x(), r.left(), r.right()),
                std::clamp(onBox.y(), r.top(), r.bottom()));
            tag.leader = QLineF(onBox, onRing);
        }
        drawn.add(r);
        return true;
    }
    return false;
}

} // namespace

PlannedPieces planPieces(
    const SheetLayout &layout, const ObjectTable &table, QSize room, bool positions)
{
    PlannedPieces out;
    const QTransform toPage = layout.roomToPage();
    std::vector<QFontMetricsF> metrics;
    for (double mm : labelDigitMm)
        metrics.emplace_back(sheetFont(layout, mm));
    const QFontMetricsF text(sheetFont(layout, textDigitMm));
    DrawnAreas drawn(QRectF(QPointF(), layout.page), 4 * text.height());
    reserveFrame(layout, drawn);

    std::vector<Piece> pieces;
    // The sheet shows the whole room: the table is walked, no grid is built.
    forEachObjectIn(
        table, QRectF(0, 0, room.width(), room.height()),
        [&](int row, const ObjectRect &rect) {
            // Doors, windows and openings are drawn as their symbols.
            if (!openingOfRow(table.row(row), room))
                pieces.push_back({row, rect, toPage.mapRect(rect.ordered()) & layout.room});
        },
        Lookup::Walk);
    out.count = int(pieces.size());

    for (Piece &p : pieces) {
        const QRectF space = labelSpace(p.box, metrics.back());
        if (space.isEmpty() || drawn.overlaps(space))
            continue;
        const QString &name = table.name(p.row);
        const QString size = objectSizeText(p.rect.width(), p.rect.height());
        PlannedPieces::Label chosen;
        for (int f = 0; f < int(metrics.size()); ++f) {
            FittedLabel label = fitLabel(p.box, name, size, metrics[size_t(f)]);
            if (f == 0 || label.whole)
                chosen = {std::move(label), f, p.box};
            if (chosen.label.whole)
                break;
        }
        if (chosen.label.count == 0)
            continue;
        drawn.add(chosen.label.extent);
        p.told = chosen.label.whole;
        out.labels.push_back(std::move(chosen));
    }

    if (positions) {
        for (Piece &p : pieces) {
            const QRectF cm = p.rect.ordered();
            const PiecePlace place {p.box, qint64(cm.left()), qint64(cm.top()), qint64(cm.right()),
                qint64(cm.bottom())};
            if (!placePositionDimensions(place, room, layout, text, drawn, out.dimensions))
                p.told = false;
        }
    }

    const double pad = layout.mm(0.6);
    for (const Piece &p : pieces) {
        if (p.told)
            continue;
        const QRectF cm = p.rect.ordered();
        ScheduleRow row;
        row.number = int(out.schedule.size()) + 1;
        row.name = table.name(p.row);
        row.width = p.rect.width();
        row.depth = p.rect.height();
        row.fromLeft = qint64(cm.left());
        row.fromTop = qint64(cm.top());
        PlannedPieces::Tag tag;
        tag.number = QString::number(row.number);
        const QSizeF ring(
            std::max(text.horizontalAdvance(tag.number) + 2 * pad, text.height()), text.height());
        if (placeTag(p.box, ring, layout, drawn, tag))
            out.tags.push_back(std::move(tag));
        out.schedule.push_back(std::move(row));
    }
    return out;
}

void drawPieces(QPainter &painter, const SheetLayout &layout, const ObjectTable &table, QSize room,
    const PlannedPieces &pieces)
{
    const QTransform toPage = layout.roomToPage();
    std::vector<QRectF> boxes;
    forEachObjectIn(
        table, QRectF(0, 0, room.width(), room.height()),
        [&](int row, const ObjectRect &rect) {
            if (!openingOfRow(table.row(row), room))
                boxes.push_back(toPage.mapRect(rect.ordered()));
        },
        Lookup::Walk);
    QPen pen = sheetLine(layout, 0.25);
    pen.setCapStyle(Qt::SquareCap); // the corners closed
    painter.setPen(pen);
    const std::vector<QLineF> lines = mergedOutlines(boxes, layout.room);
    painter.drawLines(lines.data(), int(lines.size()));

    painter.setPen(Qt::black);
    int font = -1;
    for (const PlannedPieces::Label &l : pieces.labels) {
        if (l.font != font) {
            font = l.font;
            painter.setFont(sheetFont(layout, labelDigitMm[font]));
        }
        drawLabel(painter, l.label);
    }
    drawPositionDimensions(painter, layout, pieces.dimensions);

    painter.setFont(sheetFont(layout, textDigitMm));
    const QFontMetricsF metrics(painter.font());
    for (const PlannedPieces::Tag &t : pieces.tags) {
        painter.setPen(sheetLine(layout, 0.18));
        painter.setBrush(Qt::white);
        const double round = t.ring.height() / 2;
        painter.drawRoundedRect(t.ring, round, round);
        if (!t.leader.isNull())
            painter.drawLine(t.leader);
        painter.setPen(Qt::black);
        const double width = metrics.horizontalAdvance(t.number);
        painter.drawText(
            QPointF(t.ring.center().x() - width / 2, t.ring.top() + metrics.ascent()), t.number);
    }
    painter.setBrush(Qt::NoBrush);
}

} // namespace plandex
