#include "sheet/sheetlayout.h"

#include <algorithm>
#include <cmath>

namespace plandex {

namespace {

// The sheet's measures, in mm on paper.
constexpr double margin = 10;
// Room for the wall lengths along the top and left, outside the walls.
constexpr double dimensionBand = 10;
constexpr double titleHeight = 25;
constexpr double titleLine = 5;
constexpr double titleWidth = 125;
constexpr double titleGap = 5;

// The walls' band on paper at 1:scale, in mm: to scale, but never too thin
// to see nor so thick that it crowds the plan.
double wallMm(double scale)
{
    return std::clamp(sheetWallCm * 10 / scale, 1.5, 5.0);
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

QString paperName(const QPageSize &paper)
{
    return paper.name().section(u' ', 0, 0);
}

SheetLayout layoutSheet(QSizeF page, double dpi, QSize room, int scale, bool walkways)
{
    const double titleTall = titleHeight + (walkways ? titleLine : 0);
    SheetLayout s;
    s.dpi = dpi;
    s.page = page;
    s.titleBlock = QRectF(page.width() - s.mm(margin + titleWidth),
        page.height() - s.mm(margin + titleTall), s.mm(titleWidth), s.mm(titleTall));
    s.scaleBar = QRectF(s.mm(margin), s.titleBlock.top(),
        std::max(0.0, s.titleBlock.left() - s.mm(margin + titleGap)), s.mm(titleTall));
    // The plan's space for a wall band of the given width, in mm.
    const auto space = [&](double wall) {
        const double outside = s.mm(margin + dimensionBand + wall);
        return QRectF(QPointF(outside, outside),
            QPointF(page.width() - s.mm(margin + wall),
                page.height() - s.mm(margin + titleTall + titleGap + wall)));
    };
    const double w = std::max(1, room.width()), h = std::max(1, room.height());
    // A hair's tolerance for the rounding of the page's own size.
    const double slack = s.mm(0.01);
    const auto fitsAt = [&](double n) {
        const QRectF r = space(wallMm(n));
        const double perCm = s.mm(10.0 / n);
        return w * perCm <= r.width() + slack && h * perCm <= r.height() + slack;
    };

    s.fitted = scale <= 0;
    if (s.fitted) {
        for (int n : sheetScales)
            if (s.scale == 0 && fitsAt(n))
                s.scale = n;
        if (s.scale == 0) {
            // Larger than any standard scale holds: the page's own.
            const QRectF r = space(wallMm(sheetMostScale));
            const double perCm = std::max(0.0, std::min(r.width() / w, r.height() / h));
            s.scale = perCm > 0 ? int(std::ceil(s.mm(10) / perCm)) : 0;
        }
    } else {
        s.scale = scale;
    }
    s.fits = s.scale > 0 && fitsAt(s.scale);
    if (s.scale > 0) {
        s.pixelsPerCm = s.mm(10.0 / s.scale);
        s.wall = s.mm(wallMm(s.scale));
    }
    // At the top left of its space, so that what is left beside it is one
    // piece for the schedule.
    s.room = QRectF(space(wallMm(std::max(1, s.scale))).topLeft(),
        QSizeF(w * s.pixelsPerCm, h * s.pixelsPerCm));
    return s;
}

} // namespace plandex
