#pragma once

#include "model/objecttable.h"

namespace plandex {

struct WindowState;

// Loads the selected row's rectangle into objLeft..objBottom; all four
// become 0 when nothing is selected. A number that does not fit 32 bits
// leaves its variable as it was.
void getXY(const ObjectTable &table, WindowState &state);

// The same for row i, used by scans that walk the table without moving
// the selection.
void loadRow(const ObjectTable &table, int i, WindowState &state);

// Reads a row's rectangle into four variables; a number that does not fit
// leaves its variable as it was.
inline void readRect(
    const ObjectTable::Row &row, qint32 &left, qint32 &top, qint32 &right, qint32 &bottom)
{
    assignIfRead(left, row.xValues.first);
    assignIfRead(right, row.xValues.second);
    assignIfRead(top, row.yValues.first);
    assignIfRead(bottom, row.yValues.second);
}

// Zeroes objLeft..objBottom: no object is current.
void forgetObject(WindowState &state);

} // namespace plandex
