#pragma once

#include "sheet/pieceschedule.h"
#include "sheet/sheetlayout.h"
#include "sheet/sheetpieces.h"
#include "walkways/roomwalkways.h"

#include <QCoreApplication>
#include <QDate>
#include <QSize>
#include <QString>

#include <optional>

class QPainter;

namespace plandex {

class ObjectTable;

// The context the sheet's texts are translated in.
struct RoomSheet {
    Q_DECLARE_TR_FUNCTIONS(RoomSheet)
};

// What a sheet shows besides the room: its scale (1:scale; 0 fits the room
// to the sheet at the largest standard scale), the room file's name (empty
// for a room never saved), the drawing's title (empty: the file's name
// without ".kom"), the paper's name, the date, whether each piece's
// distances to the walls are dimensioned, and whether the walkways of a
// person passage cm wide are shown.
struct SheetOptions {
    int scale = 0;
    QString fileName;
    QString title;
    QString paper;
    QDate date;
    bool positions = true;
    bool walkways = false;
    int passage = defaultPassage;
};

// A sheet laid out whole: its first page, the pieces on the plan, and the
// schedule of those that need one, beside the plan or on pages of its own.
struct Sheet {
    SheetLayout layout;
    PlannedPieces pieces;
    ScheduleLayout schedule;
    int pages = 1;
    // The floor the furniture takes, cm².
    qint64 furniture = 0;
    // When asked for.
    std::optional<RoomWalkways> walkways;
};
Sheet prepareSheet(
    QSizeF page, double dpi, const ObjectTable &table, QSize room, const SheetOptions &options);

// Draws one page of the sheet: on the first the room's walls with their
// lengths along the top and left, the pieces with their labels, tags and
// distances, a scale bar and the title block; on every page the schedule
// the page holds and the title block. The painter's frame is the layout's.
void drawSheetPage(QPainter &painter, const Sheet &sheet, int page, const ObjectTable &table,
    QSize room, const SheetOptions &options);

// The title block's line of the walkways: "Проход 60 см: доступны 9 из 10
// предметов".
QString walkwayLine(const RoomWalkways &walkways);

// The drawing's title as the title block shows it.
QString sheetTitle(const SheetOptions &options);

} // namespace plandex
