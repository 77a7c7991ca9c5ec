#pragma once

#include "model/objecttable.h"
#include "walkways/walkways.h"

#include <QImage>
#include <QLine>
#include <QSize>

#include <optional>
#include <vector>

namespace plandex {

// The widths of a person the program offers, in cm.
inline constexpr int minPassage = 30;
inline constexpr int maxPassage = 150;
inline constexpr int defaultPassage = 60;
// Ways up to this much wider than the passage are tight enough to be
// dimensioned.
inline constexpr int tightMargin = 20;

// A box a running drag shows in place of its row, or besides the rows for
// a new object (row -1).
struct MovedPiece {
    int row = -1;
    Edges box {};
};

// A room as people walk it: its furniture as rectangles (each row that is
// no door, window or opening, as the plan draws it, corners in order) and
// the doors and openings without a leaf as entrances. Windows admit nobody,
// and the openings' rows block nothing: the walls stay at the room's edges.
struct RoomPieces {
    std::vector<Edges> pieces;
    // Each piece's row; -1 for a drag's new object.
    std::vector<int> rows;
    std::vector<Entrance> entrances;

    bool operator==(const RoomPieces &) const = default;
};
RoomPieces roomPieces(
    const ObjectTable &table, QSize room, const std::optional<MovedPiece> &moved = {});

// What the plan and the sheet show of the walkways for people of one
// width: the floor they can cover, the pieces they cannot reach, and a
// line across the narrowest place on the way to each piece they reach
// through less than passage + tightMargin.
struct RoomWalkways {
    struct Tight {
        QLine line;
        int width = 0;
    };
    int passage = defaultPassage;
    // False for a room with no door or opening without a leaf: then
    // nothing else is filled in.
    bool hasEntrances = false;
    // 255 where people can stand (WalkwayMap::reachableFloor).
    QImage floor;
    std::vector<Edges> unreachable;
    std::vector<Tight> tight;
    int pieces = 0;
    int reachable = 0;
};
RoomWalkways roomWalkways(const RoomPieces &room, QSize size, int passage);

} // namespace plandex
