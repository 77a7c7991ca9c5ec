#pragma once

#include "model/edges.h"
#include "openings/wall.h"

#include <QImage>
#include <QLine>
#include <QSize>

#include <optional>
#include <vector>

namespace plandex {

// Where a person comes in: a span of a wall, from start to start + width
// along it (x for the top and bottom walls, y for the left and right).
struct Entrance {
    using Wall = plandex::Wall;
    Wall wall = Wall::Bottom;
    int start = 0;
    int width = 0;

    bool operator==(const Entrance &) const = default;
};

// Who can walk where in a room, for people of every width at once.
//
// A person of width w is a w x w square at whole coordinates that moves in
// steps of 1 cm, stays in the room and shares no inner point with a piece
// (touching is allowed). It comes in through an entrance, standing against
// its wall wholly within its span, and reaches a piece when it can stand
// sharing a stretch of positive length with one of the piece's sides. A
// piece's walkway width is the largest w for which it is reached; 0 when
// none is.
//
// Computed in one pass for all widths: for every top-left corner, the
// largest free square there (a distance transform of the free floor), then
// the widest path from the entrances over those squares, so that a corner
// is reached by every width up to its value.
class WalkwayMap
{
public:
    // Pieces as rectangles, corners in any order; parts outside the room
    // block nothing. With narrowest, the map also keeps where each corner's
    // widest way is narrowest, for narrowestPlace() (four bytes a square
    // centimetre more).
    WalkwayMap(QSize room, const std::vector<Edges> &pieces, const std::vector<Entrance> &entrances,
        bool narrowest = false);

    QSize room() const { return m_room; }
    bool hasEntrances() const { return m_hasEntrances; }

    // The walkway width of a piece, 0 when it cannot be reached.
    int walkwayWidth(const Edges &piece) const;
    // The walkway widths of all the pieces, in their order.
    std::vector<int> walkwayWidths(const std::vector<Edges> &pieces) const;

    // The floor that people of width w can cover, as an image of the room's
    // size (1 cm a pixel): 1 where they can stand, 0 elsewhere.
    QImage reachableFloor(int w) const;

    // A short line across the narrowest place on the way to a piece of
    // walkway width w > 0: its length is the width there, in cm. Needs a
    // map made with narrowest.
    std::optional<QLine> narrowestPlace(const Edges &piece) const;

    // The largest square with its top-left corner at x, y that is free, and
    // the widest person that can stand there having come in (0: none).
    int freeSquare(int x, int y) const { return m_free[index(x, y)]; }
    int widest(int x, int y) const { return m_widest[index(x, y)]; }

private:
    struct Touch {
        int width = 0;
        // The top-left corner of the touching square, when width > 0.
        int x = 0, y = 0;
    };
    size_t index(int x, int y) const { return size_t(y) * size_t(m_room.width()) + size_t(x); }
    void findFreeSquares(const std::vector<Edges> &pieces);
    void seed(const std::vector<Entrance> &entrances);
    void spread();
    Touch bestTouch(const Edges &piece) const;
    void findSquareEnds();
    QLine lineAcross(int x, int y, int w) const;
    bool blocked(int x, int y) const;

    QSize m_room;
    bool m_hasEntrances = false;
    // The widest person that can come in at all.
    int m_widestOfAll = 0;
    // Per top-left corner, row after row.
    std::vector<quint16> m_free;
    std::vector<quint16> m_widest;
    // The widest person standing with its right edge on x + 1 and its top
    // at y, and with its bottom edge on y + 1 and its left at x, at the
    // index of x, y.
    std::vector<quint16> m_endingRight;
    std::vector<quint16> m_endingBelow;
    // Per corner: the corner where its widest way is narrowest (its
    // index), when asked for.
    std::vector<quint32> m_narrowest;
};

} // namespace plandex
