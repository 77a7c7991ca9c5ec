#pragma once

#include "sheet/roomsheet.h"

#include <QPageSize>

class QPagedPaintDevice;

namespace plandex {

enum class SheetFormat { Pdf, Png };

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

// Whether the room at the request's scale fits its paper.
bool sheetFits(QSize room, const SheetRequest &request);

// Draws the sheet on the one page of a device whose page layout is set
// (a PDF writer, a printer in full-page mode) at resolution dots per inch.
// False, and nothing drawn, when the room at the scale does not fit the
// page or the device cannot be painted on.
bool paintSheet(QPagedPaintDevice &device, int resolution, const ObjectTable &table, QSize room,
    const SheetOptions &options);

// The sheet as a PDF or a PNG file, written through the safe writer. The
// reason of a failure, in Russian, or an empty text when written.
QString writeSheetPdf(
    const QString &path, const ObjectTable &table, QSize room, const SheetRequest &request);
QString writeSheetPng(
    const QString &path, const ObjectTable &table, QSize room, const SheetRequest &request);

// writeSheetPdf or writeSheetPng.
QString writeSheet(SheetFormat format, const QString &path, const ObjectTable &table, QSize room,
    const SheetRequest &request);

// The picture's size in pixels: the turned paper at the request's dpi.
QSize sheetPixelSize(QSize room, const SheetRequest &request);

} // namespace plandex
