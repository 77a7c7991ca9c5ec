#pragma once

#include "model/edges.h"
#include "model/objecttable.h"
#include "openings/wall.h"

#include <QSize>
#include <QString>
#include <QStringView>

#include <optional>

namespace plandex {

// A door, a window or an opening without a leaf, in one of the room's walls.
// It is kept in the table as an object row: its name says what it is (the
// marker, the kind, the width, the wall and a door's hinges and direction)
// and its rectangle is the floor it keeps clear, so that furniture and the
// Parts' reader treat it as an object. A row is an opening only when both
// agree (openingOfRow); otherwise it is an ordinary object.

enum class OpeningKind { Door, Window, Passage };

// Starts the name of every opening's row; the room file keeps it as 0xA4.
inline constexpr QChar openingMarker {0x00A4};

inline constexpr qint32 minOpeningWidth = 30;

struct Opening {
    OpeningKind kind = OpeningKind::Door;
    Wall wall = Wall::Bottom;
    // Along the wall, from the wall's left end (top and bottom walls) or top
    // end (left and right walls): the opening spans start to start + width.
    qint32 start = 0;
    qint32 width = 0;
    // Doors only, and false for the others: hinges on the left as seen from
    // inside the room facing the wall, and opening into the room.
    bool hingesLeft = false;
    bool inward = false;

    // A door opening into the room, which keeps its swing square clear.
    bool swings() const { return kind == OpeningKind::Door && inward; }
    bool operator==(const Opening &) const = default;
};

// 80, 120 and 90 cm.
qint32 defaultOpeningWidth(OpeningKind kind);

// The wall's length in cm: the room's width or height.
qint32 wallLength(Wall wall, QSize room);
// The widest the opening may be on its wall: the wall's length less 1 cm,
// and for a swing the room's other side less 1 cm.
qint32 maxOpeningWidth(const Opening &opening, QSize room);
// Whether its width lies in the limits and it lies within its wall.
bool openingFits(const Opening &opening, QSize room);

// Where the hinges are, along the wall: start or start + width.
qint32 hingeAt(const Opening &opening);

// The rectangle its row stores, in plan pixels, both edges included: along
// the wall start to start + width; across, the swing square (width deep
// from the wall's edge of the plan) or the one-pixel strip at that edge.
Edges openingArea(const Opening &opening, QSize room);
// The one-pixel strip at the wall's edge of the plan over its width: where
// the wall is open, whatever the kind.
Edges openingGap(const Opening &opening, QSize room);

// The row's name: the marker, the kind, the width, the wall, and for a door
// its hinge side and direction ("¤Дверь 80, низ, петли слева, внутрь",
// "¤Окно 120, верх"). Never translated: it is the room file's text.
QString openingName(const Opening &opening);
// The opening a name describes, at start 0; empty unless the name is
// exactly what openingName writes.
std::optional<Opening> parseOpeningName(QStringView name);
inline bool hasOpeningMarker(QStringView name)
{
    return !name.isEmpty() && name.front() == openingMarker;
}

// The opening a row stands for in a room of this size: its name parses, the
// opening fits the room and the rectangle is exactly its area. Empty for an
// ordinary object; costs one comparison for a name without the marker.
std::optional<Opening> openingOfRow(const ObjectTable::Row &row, QSize room);

// How the list and the window name it: "Дверь 80", "Окно 120".
QString openingTitle(const Opening &opening);
// The same in Russian whatever the language, for data that scripts read.
QString russianOpeningTitle(const Opening &opening);
// The title of an opening's row, the name of any other.
QString shownName(const ObjectTable::Row &row, QSize room);

} // namespace plandex
