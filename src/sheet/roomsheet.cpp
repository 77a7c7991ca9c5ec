#include "sheet/roomsheet.h"

#include "drawing/objectlabel.h"
#include "drawing/objectsinarea.h"
#include "drawing/outlines.h"
#include "language/language.h"
#include "openings/opening.h"
#include "sheet/furniturearea.h"
#include "sheet/openingsheet.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace plandex {

namespace {

// The sheet's measures, in mm on paper.
constexpr double margin = 10;
// Room for the wall lengths along the top and left of the room.
constexpr double dimensionBand = 10;
constexpr double titleHeight = 24;
constexpr double titleWidth = 100;
constexpr double titleGap = 5;
constexpr double scaleBarLongest = 60;

// The context its texts are translated in.
struct RoomSheet {
    Q_DECLARE_TR_FUNCTIONS(RoomSheet)
};

// One face for all of the sheet: a PDF embeds each face it uses, and that
// is most of what a small sheet costs.
QFont sheetFont(const SheetLayout &layout, double heightMm)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, qRound(layout.mm(heightMm))));
    return font;
}

QPen line(const SheetLayout &layout, double widthMm)
{
    QPen pen(Qt::black, layout.mm(widthMm));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void drawObjects(QPainter &painter, const SheetLayout &layout, const ObjectTable &table, QSize room)
{
    const QRectF floor(0, 0, room.width(), room.height());
    const QTransform toPage = QTransform::fromScale(layout.pixelsPerCm, layout.pixelsPerCm)
        * QTransform::fromTranslate(layout.room.left(), layout.room.top());
    std::vector<QRectF> boxes;
    // The sheet shows the whole room: the table is walked, no grid is built.
    forEachObjectIn(
        table, floor,
        [&](int row, const ObjectRect &rect) {
            if (!openingOfRow(table.row(row), room))
                boxes.push_back(toPage.mapRect(rect.ordered()));
        },
        Lookup::Walk);
    QPen pen = line(layout, 0.25);
    pen.setCapStyle(Qt::SquareCap); // the corners closed
    painter.setPen(pen);
    const std::vector<QLineF> lines = mergedOutlines(boxes, layout.room);
    painter.drawLines(lines.data(), int(lines.size()));

    painter.save();
    painter.setClipRect(layout.room);
    painter.setWorldTransform(toPage);
    paintObjectLabels(painter, table, floor, sheetFont(layout, 2.5), Qt::black, Lookup::Walk, room);
    painter.restore();
}

// The wall's inner edge is the room's edge.
void drawWalls(QPainter &painter, const SheetLayout &layout)
{
    const QPen pen = line(layout, 0.7);
    const double half = pen.widthF() / 2;
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.room.adjusted(-half, -half, half, half));
}

// A length along the top of the room, left to right: extension lines,
// the dimension line with slashes at its ends, the number above it.
void drawDimension(QPainter &painter, const SheetLayout &layout, double from, double to,
    double edge, const QString &label)
{
    const double at = edge - layout.mm(5);
    const double tick = layout.mm(1);
    painter.setPen(line(layout, 0.18));
    painter.drawLine(QPointF(from, edge - layout.mm(1.5)), QPointF(from, at - tick));
    painter.drawLine(QPointF(to, edge - layout.mm(1.5)), QPointF(to, at - tick));
    painter.drawLine(QPointF(from, at), QPointF(to, at));
    for (double x : {from, to})
        painter.drawLine(QPointF(x - tick, at + tick), QPointF(x + tick, at - tick));
    painter.setFont(sheetFont(layout, 2.8));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double width = metrics.horizontalAdvance(label);
    painter.drawText(QPointF((from + to - width) / 2, at - layout.mm(1)), label);
}

void drawDimensions(QPainter &painter, const SheetLayout &layout, QSize room)
{
    const QString unit = RoomSheet::tr(" см");
    const QRectF &r = layout.room;
    drawDimension(
        painter, layout, r.left(), r.right(), r.top(), QString::number(room.width()) + unit);
    // The left side is the top side turned a quarter to the left.
    painter.save();
    painter.translate(r.left(), r.bottom());
    painter.rotate(-90);
    drawDimension(painter, layout, 0, r.height(), 0, QString::number(room.height()) + unit);
    painter.restore();
}

// A bar of a round length, parted into segments, the scale above it.
void drawScaleBar(QPainter &painter, const SheetLayout &layout)
{
    // Lengths in cm and the segments each is parted into.
    static constexpr std::pair<int, int> bars[] = {
        {1, 5}, {2, 4}, {5, 5}, {10, 5}, {20, 4}, {50, 5}, {100, 5}, {200, 4}, {500, 5}, {1000, 5}};
    const double longest = std::min(layout.scaleBar.width(), layout.mm(scaleBarLongest));
    auto [cm, parts] = bars[0];
    for (const auto &[length, segments] : bars)
        if (length * layout.pixelsPerCm <= longest) {
            cm = length;
            parts = segments;
        }
    const double partWidth = cm * layout.pixelsPerCm / parts;

    const QRectF &area = layout.scaleBar;
    QFont font = sheetFont(layout, 2.8);
    painter.setFont(font);
    const QString scale = layout.fitted ? RoomSheet::tr("Масштаб ≈1:%1, по размеру листа")
                                        : RoomSheet::tr("Масштаб 1:%1");
    painter.drawText(QPointF(area.left(), area.top() + layout.mm(4)), scale.arg(layout.scale));

    const QRectF bar(area.left(), area.top() + layout.mm(8), cm * layout.pixelsPerCm, layout.mm(2));
    painter.setPen(line(layout, 0.18));
    for (int i = 0; i < parts; ++i) {
        painter.setBrush(i % 2 == 0 ? Qt::black : Qt::white);
        painter.drawRect(QRectF(bar.left() + i * partWidth, bar.top(), partWidth, bar.height()));
    }
    font = sheetFont(layout, 2.5);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QString end = cm < 100 ? QString::number(cm) + RoomSheet::tr(" см")
                                 : QString::number(cm / 100) + RoomSheet::tr(" м");
    const double baseline = bar.bottom() + layout.mm(1) + metrics.ascent();
    painter.drawText(QPointF(bar.left(), baseline), QStringLiteral("0"));
    painter.drawText(QPointF(bar.right() - metrics.horizontalAdvance(end) / 2, baseline), end);
}

void drawTitleBlock(QPainter &painter, const SheetLayout &layout, const ObjectTable &table,
    QSize room, const SheetOptions &options)
{
    const QRectF &block = layout.titleBlock;
    painter.setPen(line(layout, 0.35));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(block);

    const double floor = double(room.width()) * room.height();
    const double taken = double(furnitureArea(table, room));
    const QLocale locale = currentLocale();
    const auto m2 = [&locale](double cm2) { return locale.toString(cm2 / 10000, 'f', 2); };
    const auto percent
        = [&locale, floor](double cm2) { return locale.toString(100 * cm2 / floor, 'f', 1); };
    const QString name = options.fileName.isEmpty() ? RoomSheet::tr("безымянная комната")
                                                    : QFileInfo(options.fileName).fileName();
    const QString lines[] = {
        RoomSheet::tr("Комната %1 × %2 см, площадь %3 м²")
            .arg(room.width())
            .arg(room.height())
            .arg(m2(floor)),
        RoomSheet::tr("Мебель %1 м² (%2 %), свободно %3 м² (%4 %)")
            .arg(m2(taken), percent(taken), m2(floor - taken), percent(floor - taken)),
        locale.toString(options.date, RoomSheet::tr("dd.MM.yyyy")),
    };

    const double pad = layout.mm(2.5);
    const double width = block.width() - 2 * pad;
    double y = block.top() + pad;
    const auto write = [&](const QString &line, const QFont &font) {
        painter.setFont(font);
        const QFontMetricsF metrics(font, painter.device());
        y += metrics.ascent();
        painter.drawText(
            QPointF(block.left() + pad, y), metrics.elidedText(line, Qt::ElideMiddle, width));
        y += metrics.descent() + layout.mm(1.2);
    };
    write(name, sheetFont(layout, 4));
    for (const QString &line : lines)
        write(line, sheetFont(layout, 2.8));
}

} // namespace

QPageLayout sheetPageLayout(const QPageSize &paper, QSize room)
{
    const auto orientation
        = room.width() > room.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    QPageLayout layout(paper, orientation, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

SheetLayout layoutSheet(QSizeF page, double dpi, QSize room, int scale)
{
    SheetLayout s;
    s.dpi = dpi;
    const QRectF space(QPointF(s.mm(margin + dimensionBand), s.mm(margin + dimensionBand)),
        QPointF(
            page.width() - s.mm(margin), page.height() - s.mm(margin + titleHeight + titleGap)));
    s.titleBlock = QRectF(page.width() - s.mm(margin + titleWidth),
        page.height() - s.mm(margin + titleHeight), s.mm(titleWidth), s.mm(titleHeight));
    s.scaleBar = QRectF(s.mm(margin), s.titleBlock.top(),
        std::max(0.0, s.titleBlock.left() - s.mm(margin + titleGap)), s.mm(titleHeight));

    const double w = std::max(1, room.width()), h = std::max(1, room.height());
    s.fitted = scale <= 0;
    if (s.fitted) {
        s.pixelsPerCm = std::max(0.0, std::min(space.width() / w, space.height() / h));
        const double mmPerCm = s.pixelsPerCm * 25.4 / dpi;
        s.scale = mmPerCm > 0 ? std::max(1, int(std::lround(10 / mmPerCm))) : 0;
        s.fits = s.pixelsPerCm > 0;
    } else {
        s.scale = scale;
        s.pixelsPerCm = s.mm(10.0 / scale);
        // A hair's tolerance for the rounding of the page's own size.
        const double slack = s.mm(0.01);
        s.fits = w * s.pixelsPerCm <= space.width() + slack
            && h * s.pixelsPerCm <= space.height() + slack;
    }
    const QSizeF drawn(w * s.pixelsPerCm, h * s.pixelsPerCm);
    s.room = QRectF(space.center() - QPointF(drawn.width() / 2, drawn.height() / 2), drawn);
    return s;
}

void drawSheet(QPainter &painter, const SheetLayout &layout, const ObjectTable &table, QSize room,
    const SheetOptions &options)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    drawObjects(painter, layout, table, room);
    drawWalls(painter, layout);
    drawOpenings(painter, layout, table, room);
    drawDimensions(painter, layout, room);
    painter.setPen(Qt::black);
    drawScaleBar(painter, layout);
    drawTitleBlock(painter, layout, table, room, options);
    painter.restore();
}

} // namespace plandex
