#pragma once

#include "sheet/sheetpieces.h"

#include <QRectF>
#include <QStringList>

#include <vector>

class QPainter;

namespace plandex {

struct SheetLayout;

// A name longer than its column wraps onto this many lines at the most,
// the last shortened as a label's is: a name of hundreds of characters
// (only a file made elsewhere has one) costs no more than that.
inline constexpr int scheduleNameLines = 2;

// The schedule of pieces as a table (№, name, size, distances from the
// left and the top wall), in blocks of rows side by side, each with its
// head. A name longer than its column wraps; every other cell is one line.
struct ScheduleLayout {
    struct Block {
        int page = 0;
        QPointF at;
        int first = 0, end = 0; // rows
    };
    std::vector<double> columns;
    // Each row's name on its lines, and the width of its number.
    std::vector<QStringList> names;
    std::vector<double> numberWidths;
    double lineHeight = 0;
    // Above and below a row's lines, together.
    double rowPad = 0;
    double headHeight = 0;
    std::vector<Block> blocks;
    // Pages of the sheet with the schedule on them.
    int pages = 1;

    double width() const;
    double rowHeight(int row) const
    {
        return double(names[size_t(row)].size()) * lineHeight + rowPad;
    }
};

// Lays the rows out in the first of the spaces beside the plan that holds
// them all, or else from the second page on.
ScheduleLayout layOutSchedule(const SheetLayout &layout, const std::vector<ScheduleRow> &rows,
    const std::vector<QRectF> &beside);

// The blocks of the schedule on one page.
void drawSchedule(QPainter &painter, const SheetLayout &layout, const ScheduleLayout &schedule,
    const std::vector<ScheduleRow> &rows, int page);

} // namespace plandex
