// The sheet as a PDF file, a page of paper for each page of the sheet.

#include "files/safesave.h"
#include "sheet/sheetexport.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

namespace plandex {

QString writeSheetPdf(
    const QString &path, const ObjectTable &table, QSize room, const SheetRequest &request)
{
    if (!sheetFits(room, request))
        return sheetTooBig(room, request);
    SheetRequest named = request;
    const Sheet sheet = prepareRequest(table, room, named);
    return saveFileSafely(path, [&](QIODevice &file) {
        QPdfWriter writer(&file);
        writer.setResolution(sheetDpi);
        writer.setCreator(QStringLiteral("Plandex"));
        writer.setTitle(sheetTitle(named.options));
        // Before the painter: the first page keeps the layout it starts with.
        if (!writer.setPageLayout(sheetPageLayout(named.paper, room)))
            return false;
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        const bool drawn = paintSheetPages(
            painter, sheet, table, room, named.options, [&writer] { return writer.newPage(); });
        return painter.end() && drawn;
    });
}

} // namespace plandex
