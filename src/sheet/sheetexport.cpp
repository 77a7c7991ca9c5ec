#include "sheet/sheetexport.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace plandex {

namespace {

// The context its texts are translated in.
struct SheetExport {
    Q_DECLARE_TR_FUNCTIONS(SheetExport)
};

bool fitsOn(QSize room, const QPageSize &paper, int scale, bool walkways)
{
    const QPageLayout page = sheetPageLayout(paper, room);
    return layoutSheet(page.fullRectPixels(sheetDpi).size(), sheetDpi, room, scale, walkways).fits;
}

} // namespace

QList<QPageSize> sheetPapers()
{
    return {QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4), QPageSize(QPageSize::A3)};
}

bool sheetFits(QSize room, const SheetRequest &request)
{
    return fitsOn(room, request.paper, request.options.scale, request.options.walkways);
}

QString sheetTooBig(QSize room, const SheetRequest &request)
{
    const int scale = request.options.scale;
    QString why = SheetExport::tr("комната %1 × %2 см не помещается на лист %3 в масштабе 1:%4")
                      .arg(room.width())
                      .arg(room.height())
                      .arg(paperName(request.paper))
                      .arg(scale);
    for (int n : sheetScales)
        if (n > scale && fitsOn(room, request.paper, n, request.options.walkways)) {
            why += SheetExport::tr("; на нём наибольший масштаб 1:%1").arg(n);
            break;
        }
    // Letter only for those who print on it.
    const bool letter = request.paper.id() == QPageSize::Letter;
    for (const QPageSize &paper : sheetPapers())
        if ((letter || paper.id() != QPageSize::Letter)
            && fitsOn(room, paper, scale, request.options.walkways)) {
            why += SheetExport::tr("; в масштабе 1:%1 нужен лист %2")
                       .arg(scale)
                       .arg(paperName(paper));
            break;
        }
    return why;
}

Sheet prepareRequest(const ObjectTable &table, QSize room, SheetRequest &request)
{
    request.options.paper = paperName(request.paper);
    const QPageLayout page = sheetPageLayout(request.paper, room);
    return prepareSheet(
        page.fullRectPixels(sheetDpi).size(), sheetDpi, table, room, request.options);
}

bool paintSheetPages(QPainter &painter, const Sheet &sheet, const ObjectTable &table, QSize room,
    const SheetOptions &options, const std::function<bool()> &nextPage)
{
    for (int page = 0; page < sheet.pages; ++page) {
        if (page > 0 && !nextPage())
            return false;
        drawSheetPage(painter, sheet, page, table, room, options);
    }
    return true;
}

bool paintSheet(QPagedPaintDevice &device, int resolution, const ObjectTable &table, QSize room,
    const SheetOptions &options)
{
    SheetOptions named = options;
    if (named.paper.isEmpty())
        named.paper = paperName(device.pageLayout().pageSize());
    const QSizeF page = device.pageLayout().fullRectPixels(resolution).size();
    const double toDevice = double(resolution) / sheetDpi;
    const Sheet sheet = prepareSheet(page / toDevice, sheetDpi, table, room, named);
    if (!sheet.layout.fits)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(toDevice, toDevice);
    const bool drawn = paintSheetPages(
        painter, sheet, table, room, named, [&device] { return device.newPage(); });
    return painter.end() && drawn;
}

QString writeSheet(SheetFormat format, const QString &path, const ObjectTable &table, QSize room,
    const SheetRequest &request)
{
    switch (format) {
    case SheetFormat::Pdf:
        return writeSheetPdf(path, table, room, request);
    case SheetFormat::Png:
        return writeSheetPng(path, table, room, request);
    case SheetFormat::Svg:
        return writeSheetSvg(path, table, room, request);
    case SheetFormat::Dxf:
        return writeSheetDxf(path, table, room);
    }
    return {};
}

QSize sheetPixelSize(QSize room, const SheetRequest &request)
{
    // From the paper's own measure: Qt's pixel sizes pass through whole
    // points and come out a pixel short (A4 at 300 dpi is 2480 wide).
    const QSizeF mm = sheetPageLayout(request.paper, room).fullRect(QPageLayout::Millimeter).size();
    return {qRound(mm.width() * request.dpi / 25.4), qRound(mm.height() * request.dpi / 25.4)};
}

} // namespace plandex
