#pragma once

#include <QPageLayout>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>

namespace plandex {

// The scales of scale rulers, which fitting picks from and the dialogs
// offer; any 1:1 to 1:sheetMostScale may be asked for.
inline constexpr int sheetScales[] = {10, 20, 25, 50, 100, 200, 500};
inline constexpr int sheetMostScale = 500;

// The walls as drawn, in cm: a common partition, which at 1:50 is the
// 2-3 mm band a plan's walls are drawn with.
inline constexpr double sheetWallCm = 12;

// The resolution every sheet is laid out at, whatever it is drawn on, so
// that a picture's text fits as the PDF's does.
inline constexpr int sheetDpi = 1200;

// The paper turned to follow the room's shape, the drawing reaching to the
// paper's edges (it keeps its own margins).
QPageLayout sheetPageLayout(const QPageSize &paper, QSize room);
// "A4", "Letter".
QString paperName(const QPageSize &paper);

// Where the parts of a sheet lie on a page, in device pixels.
struct SheetLayout {
    double dpi = 0;
    QSizeF page;
    // Device pixels per cm of the room.
    double pixelsPerCm = 0;
    // 1:scale, as chosen or fitted.
    int scale = 0;
    bool fitted = false;
    // False when the room at the chosen scale does not fit the page.
    bool fits = false;
    QRectF room;
    // The walls' thickness as drawn outside the room.
    double wall = 0;
    QRectF titleBlock;
    QRectF scaleBar;

    double mm(double millimetres) const { return millimetres * dpi / 25.4; }
    // Room centimetres to the page.
    QTransform roomToPage() const
    {
        return QTransform::fromScale(pixelsPerCm, pixelsPerCm)
            * QTransform::fromTranslate(room.left(), room.top());
    }
};

// Lays the sheet out on a page of the given size in device pixels at dpi
// pixels per inch: at 1:scale, or for 0 at the largest of sheetScales at
// which the room fits. With walkways, the title block is a line taller.
SheetLayout layoutSheet(QSizeF page, double dpi, QSize room, int scale, bool walkways = false);

} // namespace plandex
