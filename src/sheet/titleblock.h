#pragma once

#include <QSize>
#include <QString>
#include <QtGlobal>

class QPainter;

namespace plandex {

struct SheetLayout;
struct SheetOptions;

// What the title block tells of the sheet besides its options.
struct TitleFacts {
    int pieces = 0;
    // cm² (furnitureArea).
    qint64 furniture = 0;
    int page = 0;
    int pages = 1;
    // Who can walk where, when asked for (walkwayLine).
    QString walkways;
};

// The title block: the drawing's title, the room and the floor its
// furniture takes, the walkways when asked for, the scale, the paper, the
// number of pieces, the date and, on a sheet of several pages, the page.
void drawTitleBlock(QPainter &painter, const SheetLayout &layout, QSize room,
    const SheetOptions &options, const TitleFacts &facts);

// A bar of a round length, parted into segments, and the note that the
// sheet's sizes are in centimetres above it.
void drawScaleBar(QPainter &painter, const SheetLayout &layout);

} // namespace plandex
