#pragma once

#include "drawing/objectlabel.h"
#include "sheet/positiondimensions.h"

#include <QLineF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace plandex {

class ObjectTable;
struct SheetLayout;

// A piece that the plan cannot tell in full: its full name, its size and
// where it stands (cm from the left and the top wall).
struct ScheduleRow {
    int number = 0;
    QString name;
    qint64 width = 0, depth = 0;
    qint64 fromLeft = 0, fromTop = 0;
};

// The pieces of the room as the plan shows them: each one's label in the
// largest lettering that shows it whole (or the standard's, shortened),
// its distances to the walls when asked for, and a number tag for each
// piece whose full name and size, or whose position, the plan cannot show,
// inside it or just outside with a short leader. Those pieces, in the
// table's order, make the schedule.
struct PlannedPieces {
    struct Label {
        FittedLabel label;
        int font = 0; // of labelDigitMm
        QRectF box;
    };
    struct Tag {
        QString number;
        QRectF ring;
        QLineF leader; // null when the tag is inside its piece
    };
    std::vector<Label> labels;
    std::vector<PositionDimension> dimensions;
    std::vector<Tag> tags;
    std::vector<ScheduleRow> schedule;
    // The pieces on the sheet.
    int count = 0;
};

PlannedPieces planPieces(
    const SheetLayout &layout, const ObjectTable &table, QSize room, bool positions);

// The outlines, labels, distances and tags.
void drawPieces(QPainter &painter, const SheetLayout &layout, const ObjectTable &table, QSize room,
    const PlannedPieces &pieces);

} // namespace plandex
