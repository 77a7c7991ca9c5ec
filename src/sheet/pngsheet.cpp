// The sheet as a PNG picture, its pages one below another.

#include "files/safesave.h"
#include "sheet/sheetexport.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

namespace plandex {

namespace {

// The context its texts are translated in.
struct SheetExport {
    Q_DECLARE_TR_FUNCTIONS(SheetExport)
};

} // namespace

QString writeSheetPng(
    const QString &path, const ObjectTable &table, QSize room, const SheetRequest &request)
{
    if (!sheetFits(room, request))
        return sheetTooBig(room, request);
    SheetRequest named = request;
    named.dpi = std::clamp(request.dpi, sheetMinDpi, sheetMaxDpi);
    const Sheet sheet = prepareRequest(table, room, named);
    const QSize page = sheetPixelSize(room, named);
    // The sheet is black on white: one byte a pixel holds it, antialiasing
    // included, in a third of the memory and the time of colour.
    QImage image;
    if (qint64(page.height()) * sheet.pages < 32768)
        image = QImage(page.width(), page.height() * sheet.pages, QImage::Format_Grayscale8);
    if (image.isNull())
        return SheetExport::tr("не хватает памяти для рисунка");
    const int dotsPerMeter = qRound(named.dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        // Laid out at the sheet's own resolution, so that the text fits as
        // it does in the PDF.
        const double toImage = double(named.dpi) / sheetDpi;
        painter.scale(toImage, toImage);
        paintSheetPages(painter, sheet, table, room, named.options, [&] {
            painter.translate(0, sheet.layout.page.height());
            return true;
        });
    }
    return saveFileSafely(path, [&image](QIODevice &file) { return image.save(&file, "PNG"); });
}

} // namespace plandex
