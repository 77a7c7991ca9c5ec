#pragma once

namespace plandex {

class ObjectTable;
struct WindowState;

// Loads the selected row's rectangle into objLeft..objBottom; all four
// become 0 when nothing is selected. A number that does not fit 32 bits
// leaves its variable as it was.
void getXY(const ObjectTable &table, WindowState &state);

// The same for row i, used by scans that walk the table without moving
// the selection.
void loadRow(const ObjectTable &table, int i, WindowState &state);

// Zeroes objLeft..objBottom: no object is current.
void forgetObject(WindowState &state);

} // namespace plandex
