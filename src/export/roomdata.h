#pragma once

#include <QByteArray>
#include <QSize>

namespace plandex {

class ObjectTable;

// The room as data for scripts, in UTF-8: the room's size and areas, the
// passage width, and one entry per row in table order with its name (an
// opening's Russian title), place, size and kind, a piece's walkway for
// people of width passage, and an opening's wall and a door's hinges.
QByteArray roomJson(const ObjectTable &table, QSize room, int passage);

// The same rows for spreadsheets: a header line, then one line per row,
// comma-separated, quoted where a field needs it; a name that a
// spreadsheet would take for a formula starts with an apostrophe.
QByteArray roomCsv(const ObjectTable &table, QSize room, int passage);

} // namespace plandex
