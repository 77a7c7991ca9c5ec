#pragma once

#include "sheet/roomsheet.h"

#include <QPageSize>

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace plandex {

enum class SheetFormat { Pdf, Png, Svg, Dxf };

// A sheet to write: what it shows, its paper, and for a picture its
// resolution in dots per inch.
struct SheetRequest {
    SheetOptions options;
    QPageSize paper {QPageSize::A4};
    int dpi = 150;
};

// The resolutions a picture may have: enough for any printer, and an A3
// sheet at the most stays at 70 million one-byte pixels.
inline constexpr int sheetMinDpi = 50;
inline constexpr int sheetMaxDpi = 600;

// The papers offered, smallest first.
QList<QPageSize> sheetPapers();

// Whether the room at the request's scale fits its paper.
bool sheetFits(QSize room, const SheetRequest &request);
// Why it does not, in Russian: the room, the paper and the scale, the
// largest standard scale the paper takes it at and the smallest paper that
// takes it at the scale.
QString sheetTooBig(QSize room, const SheetRequest &request);

// The request's sheet laid out on its paper, its options' paper named.
Sheet prepareRequest(const ObjectTable &table, QSize room, SheetRequest &request);

// Draws every page of the sheet with painter, whose frame maps the
// layout's page onto the device's; nextPage is called between the pages.
bool paintSheetPages(QPainter &painter, const Sheet &sheet, const ObjectTable &table, QSize room,
    const SheetOptions &options, const std::function<bool()> &nextPage);

// Draws the sheet on a device whose page layout is set (a PDF writer, a
// printer in full-page mode) at resolution dots per inch, page after page.
// False, and nothing drawn, when the room at the scale does not fit the
// page or the device cannot be painted on.
bool paintSheet(QPagedPaintDevice &device, int resolution, const ObjectTable &table, QSize room,
    const SheetOptions &options);

// The sheet as a file, written through the safe writer: PDF pages, a PNG
// or SVG picture with the pages one below another, or the room alone as
// DXF for CAD programs. The reason of a failure, in Russian, or an empty
// text when written.
QString writeSheetPdf(
    const QString &path, const ObjectTable &table, QSize room, const SheetRequest &request);
QString writeSheetPng(
    const QString &path, const ObjectTable &table, QSize room, const SheetRequest &request);
QString writeSheetSvg(
    const QString &path, const ObjectTable &table, QSize room, const SheetRequest &request);
QString writeSheetDxf(const QString &path, const ObjectTable &table, QSize room);

QString writeSheet(SheetFormat format, const QString &path, const ObjectTable &table, QSize room,
    const SheetRequest &request);

// A page of the picture in pixels: the turned paper at the request's dpi.
QSize sheetPixelSize(QSize room, const SheetRequest &request);

} // namespace plandex
