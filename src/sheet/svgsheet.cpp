// The sheet as an SVG picture, text as text, its pages one below another.

#include "files/safesave.h"
#include "sheet/sheetexport.h"

#include <QPainter>
#include <QSvgGenerator>

namespace plandex {

QString writeSheetSvg(
    const QString &path, const ObjectTable &table, QSize room, const SheetRequest &request)
{
    if (!sheetFits(room, request))
        return sheetTooBig(room, request);
    SheetRequest named = request;
    const Sheet sheet = prepareRequest(table, room, named);
    const QSizeF page = sheet.layout.page;
    return saveFileSafely(path, [&](QIODevice &file) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setResolution(sheetDpi);
        svg.setSize(QSize(qRound(page.width()), qRound(page.height() * sheet.pages)));
        svg.setViewBox(QRectF(0, 0, page.width(), page.height() * sheet.pages));
        svg.setTitle(sheetTitle(named.options));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        paintSheetPages(painter, sheet, table, room, named.options, [&] {
            painter.translate(0, page.height());
            return true;
        });
        return painter.end();
    });
}

} // namespace plandex
