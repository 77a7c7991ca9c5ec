#pragma once

#include "model/spatialindex.h"

namespace plandex {

class ObjectTable;

// The collision test's rule between a box (Xa, Ya)-(Xb, Yb) and the rows of
// the table: whether it meets a row other than exemptRow (-1: none).
// Comparisons are inclusive, so sharing an edge or a corner is meeting.
// other gets the edges of the row met; without the table's grid, the scan
// reads every row it passes into other, as a walk over the table does, so
// a number that does not fit 32 bits keeps the value read before it.
bool meetsAnyRow(const ObjectTable &table, double Xa, double Ya, double Xb, double Yb,
    int exemptRow, SpatialIndex::Box &other);

} // namespace plandex
