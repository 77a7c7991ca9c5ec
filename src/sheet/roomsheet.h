#pragma once

#include <QDate>
#include <QPageLayout>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace plandex {

class ObjectTable;

// What a sheet shows besides the room: its scale (1:scale; 0 fits the room
// to the sheet), the room file's name (empty for a room never saved) and
// the date.
struct SheetOptions {
    int scale = 0;
    QString fileName;
    QDate date;
};

// The scales offered besides fitting the room to the sheet.
inline constexpr int sheetScales[] = {10, 20, 25, 50, 100};

// The paper turned to follow the room's shape, the drawing reaching to the
// paper's edges (it keeps its own margins).
QPageLayout sheetPageLayout(const QPageSize &paper, QSize room);

// Where the parts of a sheet lie on a page, in device pixels.
struct SheetLayout {
    double dpi = 0;
    // Device pixels per cm of the room.
    double pixelsPerCm = 0;
    // 1:scale, as chosen or, when fitted, rounded.
    int scale = 0;
    bool fitted = false;
    // False when the room at the chosen scale does not fit the page.
    bool fits = false;
    QRectF room;
    QRectF titleBlock;
    QRectF scaleBar;

    double mm(double millimetres) const { return millimetres * dpi / 25.4; }
};

// Lays the sheet out on a page of the given size in device pixels at dpi
// pixels per inch.
SheetLayout layoutSheet(QSizeF page, double dpi, QSize room, int scale);

// Draws the sheet: the room's walls with their lengths along the top and
// left, the objects as outlines with their names and sizes, a scale bar
// and the title block. The painter starts untransformed on the page.
void drawSheet(QPainter &painter, const SheetLayout &layout, const ObjectTable &table, QSize room,
    const SheetOptions &options);

} // namespace plandex
