#include "sheet/sheetexport.h"

#include "files/safesave.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

namespace plandex {

namespace {

// The context its texts are translated in.
struct SheetExport {
    Q_DECLARE_TR_FUNCTIONS(SheetExport)
};

// The PDF writer's own resolution: fine enough for any printer.
constexpr int pdfResolution = 1200;

QString tooBig()
{
    return SheetExport::tr("комната не помещается на лист в этом масштабе");
}

} // namespace

bool sheetFits(QSize room, const SheetRequest &request)
{
    const QPageLayout page = sheetPageLayout(request.paper, room);
    return layoutSheet(
        page.fullRectPixels(pdfResolution).size(), pdfResolution, room, request.options.scale)
        .fits;
}

bool paintSheet(QPagedPaintDevice &device, int resolution, const ObjectTable &table, QSize room,
    const SheetOptions &options)
{
    const QSize page = device.pageLayout().fullRectPixels(resolution).size();
    const SheetLayout layout = layoutSheet(page, resolution, room, options.scale);
    if (!layout.fits)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    drawSheet(painter, layout, table, room, options);
    return painter.end();
}

QString writeSheetPdf(
    const QString &path, const ObjectTable &table, QSize room, const SheetRequest &request)
{
    if (!sheetFits(room, request))
        return tooBig();
    return saveFileSafely(path, [&](QIODevice &file) {
        QPdfWriter writer(&file);
        writer.setResolution(pdfResolution);
        writer.setCreator(QStringLiteral("Plandex"));
        writer.setTitle(request.options.fileName.isEmpty()
                ? QString()
                : QFileInfo(request.options.fileName).fileName());
        // Before the painter: the first page keeps the layout it starts with.
        if (!writer.setPageLayout(sheetPageLayout(request.paper, room)))
            return false;
        return paintSheet(writer, writer.resolution(), table, room, request.options);
    });
}

QSize sheetPixelSize(QSize room, const SheetRequest &request)
{
    // From the paper's own measure: Qt's pixel sizes pass through whole
    // points and come out a pixel short (A4 at 300 dpi is 2480 wide).
    const QSizeF mm = sheetPageLayout(request.paper, room).fullRect(QPageLayout::Millimeter).size();
    return {qRound(mm.width() * request.dpi / 25.4), qRound(mm.height() * request.dpi / 25.4)};
}

QString writeSheetPng(
    const QString &path, const ObjectTable &table, QSize room, const SheetRequest &request)
{
    const int dpi = std::clamp(request.dpi, sheetMinDpi, sheetMaxDpi);
    SheetRequest clamped = request;
    clamped.dpi = dpi;
    const QSize size = sheetPixelSize(room, clamped);
    const SheetLayout layout = layoutSheet(size, dpi, room, request.options.scale);
    if (!layout.fits)
        return tooBig();
    // The sheet is black on white: one byte a pixel holds it, antialiasing
    // included, in a third of the memory and the time of colour.
    QImage image(size, QImage::Format_Grayscale8);
    if (image.isNull())
        return SheetExport::tr("не хватает памяти для рисунка");
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        drawSheet(painter, layout, table, room, request.options);
    }
    return saveFileSafely(path, [&image](QIODevice &file) { return image.save(&file, "PNG"); });
}

QString writeSheet(SheetFormat format, const QString &path, const ObjectTable &table, QSize room,
    const SheetRequest &request)
{
    return format == SheetFormat::Pdf ? writeSheetPdf(path, table, room, request)
                                      : writeSheetPng(path, table, room, request);
}

} // namespace plandex
