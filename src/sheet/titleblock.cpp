#include "sheet/titleblock.h"

#include "language/language.h"
#include "sheet/roomsheet.h"
#include "sheet/sheetstyle.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace plandex {

namespace {

constexpr double scaleBarLongest = 60;

} // namespace

void drawScaleBar(QPainter &painter, const SheetLayout &layout)
{
    // Lengths in cm and the segments each is parted into.
    static constexpr std::pair<int, int> bars[] = {{1, 5}, {2, 4}, {5, 5}, {10, 5}, {20, 4},
        {50, 5}, {100, 5}, {200, 4}, {500, 5}, {1000, 5}, {2000, 4}};
    const double longest = std::min(layout.scaleBar.width(), layout.mm(scaleBarLongest));
    auto [cm, parts] = bars[0];
    for (const auto &[length, segments] : bars)
        if (length * layout.pixelsPerCm <= longest) {
            cm = length;
            parts = segments;
        }
    const double partWidth = cm * layout.pixelsPerCm / parts;

    const QRectF &area = layout.scaleBar;
    QFont font = sheetFont(layout, textDigitMm);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    painter.drawText(QPointF(area.left(), area.top() + metrics.ascent()),
        RoomSheet::tr("Размеры в сантиметрах"));

    const QRectF bar(area.left(), area.top() + metrics.height() + layout.mm(3),
        cm * layout.pixelsPerCm, layout.mm(2));
    painter.setPen(sheetLine(layout, 0.18));
    for (int i = 0; i < parts; ++i) {
        painter.setBrush(i % 2 == 0 ? Qt::black : Qt::white);
        painter.drawRect(QRectF(bar.left() + i * partWidth, bar.top(), partWidth, bar.height()));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    const QString end = cm < 100 ? QString::number(cm) + RoomSheet::tr(" см")
                                 : QString::number(cm / 100) + RoomSheet::tr(" м");
    const double baseline = bar.bottom() + layout.mm(1) + metrics.ascent();
    painter.drawText(QPointF(bar.left(), baseline), QStringLiteral("0"));
    painter.drawText(QPointF(bar.right() - metrics.horizontalAdvance(end) / 2, baseline), end);
}

void drawTitleBlock(QPainter &painter, const SheetLayout &layout, QSize room,
    const SheetOptions &options, const TitleFacts &facts)
{
    const QRectF &block = layout.titleBlock;
    painter.setPen(sheetLine(layout, 0.35));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(block);
    painter.setPen(Qt::black);

    const double floor = double(room.width()) * room.height();
    const double taken = double(facts.furniture);
    const QLocale locale = currentLocale();
    const auto m2 = [&locale](double cm2) { return locale.toString(cm2 / 10000, 'f', 2); };
    const auto percent
        = [&locale, floor](double cm2) { return locale.toString(100 * cm2 / floor, 'f', 1); };
    QString last = RoomSheet::tr("Масштаб 1:%1   Формат %2   Предметов: %3   %4")
                       .arg(layout.scale)
                       .arg(options.paper)
                       .arg(facts.pieces)
                       .arg(locale.toString(options.date, RoomSheet::tr("dd.MM.yyyy")));
    if (facts.pages > 1)
        last += RoomSheet::tr("   Лист %1 из %2").arg(facts.page + 1).arg(facts.pages);
    QStringList lines {
        RoomSheet::tr("Комната %1 × %2 см, площадь %3 м²")
            .arg(room.width())
            .arg(room.height())
            .arg(m2(floor)),
        RoomSheet::tr("Мебель %1 м² (%2 %), свободно %3 м² (%4 %)")
            .arg(m2(taken), percent(taken), m2(floor - taken), percent(floor - taken)),
        last,
    };
    if (!facts.walkways.isEmpty())
        lines.insert(2, facts.walkways);

    const double pad = layout.mm(2.5);
    const double width = block.width() - 2 * pad;
    double y = block.top() + pad;
    const auto write = [&](const QString &line, const QFont &font) {
        painter.setFont(font);
        const QFontMetricsF metrics(font);
        y += metrics.ascent();
        painter.drawText(
            QPointF(block.left() + pad, y), metrics.elidedText(line, Qt::ElideMiddle, width));
        y += metrics.descent() + layout.mm(0.6);
    };
    write(sheetTitle(options), sheetFont(layout, 3.5));
    for (const QString &line : lines)
        write(line, sheetFont(layout, textDigitMm));
}

} // namespace plandex
