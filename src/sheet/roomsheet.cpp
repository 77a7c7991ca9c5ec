#include "sheet/roomsheet.h"

#include "sheet/furniturearea.h"
#include "sheet/openingsheet.h"
#include "sheet/sheetstyle.h"
#include "sheet/titleblock.h"
#include "walkways/walkwaydrawing.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace plandex {

namespace {

// The walls as a grey band outside the room, its inner edge the room's
// edge drawn as the heaviest line of the sheet.
void drawWalls(QPainter &painter, const SheetLayout &layout)
{
    const QRectF &r = layout.room;
    const double w = layout.wall;
    QPainterPath band;
    band.addRect(r.adjusted(-w, -w, w, w));
    band.addRect(r);
    painter.setPen(sheetLine(layout, 0.18));
    painter.setBrush(QColor(160, 160, 160));
    painter.drawPath(band);
    const QPen pen = sheetLine(layout, 0.7);
    const double half = pen.widthF() / 2;
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(-half, -half, half, half));
}

// A length along the top of the walls, left to right: extension lines,
// the dimension line with slashes at its ends, the number above it.
void drawDimension(QPainter &painter, const SheetLayout &layout, double from, double to,
    double edge, const QString &label)
{
    const double at = edge - layout.mm(5);
    const double tick = layout.mm(1);
    painter.setPen(sheetLine(layout, 0.18));
    painter.drawLine(QPointF(from, edge - layout.mm(1.5)), QPointF(from, at - tick));
    painter.drawLine(QPointF(to, edge - layout.mm(1.5)), QPointF(to, at - tick));
    const QLineF line(from, at, to, at);
    painter.drawLine(line);
    for (const QPointF &end : {line.p1(), line.p2()})
        painter.drawLine(end + QPointF(-tick, tick), end + QPointF(tick, -tick));
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(layout, textDigitMm));
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(label);
    painter.drawText(QPointF((from + to - width) / 2, at - layout.mm(1)), label);
}

void drawDimensions(QPainter &painter, const SheetLayout &layout, QSize room)
{
    const QRectF &r = layout.room;
    const double w = layout.wall;
    drawDimension(painter, layout, r.left(), r.right(), r.top() - w, QString::number(room.width()));
    // The left side is the top side turned a quarter to the left.
    painter.save();
    painter.translate(r.left() - w, r.bottom());
    painter.rotate(-90);
    drawDimension(painter, layout, 0, r.height(), 0, QString::number(room.height()));
    painter.restore();
}

// On paper: the floor people can cover a pale green under the pieces, the
// crosses red and the tight places blue over them.
constexpr QRgb walkwayFloorColour = 0xD5EFE3;

void drawWalkwayFloor(QPainter &painter, const SheetLayout &layout, const RoomWalkways &walkways)
{
    if (walkways.hasEntrances)
        painter.drawImage(layout.room, walkwayFloor(walkways, walkwayFloorColour));
}

void drawWalkwayMarks(QPainter &painter, const SheetLayout &layout, const RoomWalkways &walkways)
{
    if (!walkways.hasEntrances)
        return;
    const WalkwayLook look {QColor(210, 0, 0), QColor(0, 90, 200), Qt::white,
        sheetLine(layout, 0.35).widthF(), sheetFont(layout, textDigitMm)};
    drawWalkwayMarks(painter, walkways, layout.roomToPage(), look, QRectF(QPointF(), layout.page));
}

} // namespace

QString walkwayLine(const RoomWalkways &walkways)
{
    if (!walkways.hasEntrances)
        return RoomSheet::tr("Проход %1 см: нет двери, проходы не проверить").arg(walkways.passage);
    const bool one = walkways.pieces % 10 == 1 && walkways.pieces % 100 != 11;
    return (one ? RoomSheet::tr("Проход %1 см: доступны %2 из %3 предмета")
                : RoomSheet::tr("Проход %1 см: доступны %2 из %3 предметов"))
        .arg(walkways.passage)
        .arg(walkways.reachable)
        .arg(walkways.pieces);
}

QString sheetTitle(const SheetOptions &options)
{
    if (!options.title.trimmed().isEmpty())
        return options.title.trimmed();
    if (options.fileName.isEmpty())
        return RoomSheet::tr("безымянная комната");
    const QString name = QFileInfo(options.fileName).fileName();
    return name.endsWith(QLatin1String(".kom"), Qt::CaseInsensitive) ? name.chopped(4) : name;
}

Sheet prepareSheet(
    QSizeF page, double dpi, const ObjectTable &table, QSize room, const SheetOptions &options)
{
    Sheet sheet;
    sheet.layout = layoutSheet(page, dpi, room, options.scale, options.walkways);
    if (!sheet.layout.fits)
        return sheet;
    const SheetLayout &s = sheet.layout;
    sheet.pieces = planPieces(s, table, room, options.positions);
    sheet.furniture = furnitureArea(table, room);
    if (options.walkways)
        sheet.walkways = roomWalkways(roomPieces(table, room), room, options.passage);
    // Clear of the walls and the tags just outside them.
    const double clear = s.wall + s.mm(8);
    const double margin = s.mm(10), bottom = s.titleBlock.top() - s.mm(5);
    const std::vector<QRectF> beside {
        QRectF(QPointF(s.room.right() + clear, margin), QPointF(page.width() - margin, bottom)),
        QRectF(QPointF(margin, s.room.bottom() + clear), QPointF(page.width() - margin, bottom)),
    };
    sheet.schedule = layOutSchedule(s, sheet.pieces.schedule, beside);
    sheet.pages = sheet.schedule.pages;
    return sheet;
}

void drawSheetPage(QPainter &painter, const Sheet &sheet, int page, const ObjectTable &table,
    QSize room, const SheetOptions &options)
{
    const SheetLayout &layout = sheet.layout;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (page == 0) {
        if (sheet.walkways)
            drawWalkwayFloor(painter, layout, *sheet.walkways);
        drawPieces(painter, layout, table, room, sheet.pieces);
        if (sheet.walkways)
            drawWalkwayMarks(painter, layout, *sheet.walkways);
        drawWalls(painter, layout);
        drawOpenings(painter, layout, table, room);
        drawDimensions(painter, layout, room);
        painter.setPen(Qt::black);
        drawScaleBar(painter, layout);
    }
    drawSchedule(painter, layout, sheet.schedule, sheet.pieces.schedule, page);
    drawTitleBlock(painter, layout, room, options,
        {sheet.pieces.count, sheet.furniture, page, sheet.pages,
            sheet.walkways ? walkwayLine(*sheet.walkways) : QString()});
    painter.restore();
}

} // namespace plandex
