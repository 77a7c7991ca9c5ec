#include "sheet/sheetstyle.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace plandex {

namespace {

QFont face()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    // Advances as designed, so that a picture at any resolution fits what
    // the layout measured.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The height of a digit for each pixel of the font's size: of a flat one,
// as the standards measure it (a round one overshoots by 4 %).
double digitShare()
{
    static const double share = [] {
        QFont font = face();
        font.setPixelSize(1000);
        const double height = QFontMetricsF(font).tightBoundingRect(QStringLiteral("4")).height();
        return height > 0 ? height / 1000 : 0.73;
    }();
    return share;
}

} // namespace

QFont sheetFont(const SheetLayout &layout, double digitMm)
{
    QFont font = face();
    // Rounded up: the height is the least the standards allow.
    font.setPixelSize(std::max(1, int(std::ceil(layout.mm(digitMm) / digitShare() - 1e-6))));
    return font;
}

QPen sheetLine(const SheetLayout &layout, double widthMm)
{
    QPen pen(Qt::black, layout.mm(widthMm));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

} // namespace plandex
