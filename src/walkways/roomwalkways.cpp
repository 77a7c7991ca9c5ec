#include "walkways/roomwalkways.h"

#include "model/geometry.h"
#include "openings/opening.h"

namespace plandex {

RoomPieces roomPieces(const ObjectTable &table, QSize room, const std::optional<MovedPiece> &moved)
{
    RoomPieces out;
    qint32 l = 0, t = 0, r = 0, b = 0;
    for (int i = 0; i < table.count(); ++i) {
        const ObjectTable::Row &row = table.row(i);
        // Read as the plan draws the rows, so that a number that does not
        // fit borrows the one before it there too.
        readRect(row, l, t, r, b);
        std::optional<Opening> opening = openingOfRow(row, room);
        Edges box = Edges::ordered(l, t, r, b);
        if (moved && moved->row == i) {
            box = Edges::ordered(
                moved->box.left, moved->box.top, moved->box.right, moved->box.bottom);
            if (opening) {
                // Dragged along its wall; dragged to another, it admits
                // nobody until it is put down there.
                opening->start = qint32(box.lowAlong(runsAlongX(opening->wall)));
                if (!openingFits(*opening, room) || openingArea(*opening, room) != box)
                    continue;
            }
        }
        if (!opening) {
            out.pieces.push_back(box);
            out.rows.push_back(i);
        } else if (opening->kind != OpeningKind::Window) {
            out.entrances.push_back({opening->wall, opening->start, opening->width});
        }
    }
    if (moved && moved->row < 0) {
        const Edges &m = moved->box;
        out.pieces.push_back(Edges::ordered(m.left, m.top, m.right, m.bottom));
        out.rows.push_back(-1);
    }
    return out;
}

RoomWalkways roomWalkways(const RoomPieces &room, QSize size, int passage)
{
    RoomWalkways out;
    out.passage = passage;
    out.hasEntrances = !room.entrances.empty();
    if (!out.hasEntrances)
        return out;
    const WalkwayMap map(size, room.pieces, room.entrances, true);
    out.floor = map.reachableFloor(passage);
    for (const Edges &piece : room.pieces) {
        const int width = map.walkwayWidth(piece);
        ++out.pieces;
        if (width < passage) {
            out.unreachable.push_back(piece);
            continue;
        }
        ++out.reachable;
        if (width >= passage + tightMargin)
            continue;
        if (const std::optional<QLine> line = map.narrowestPlace(piece))
            out.tight.push_back({*line, width});
    }
    return out;
}

} // namespace plandex
