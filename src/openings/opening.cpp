#include "openings/opening.h"

#include <QCoreApplication>

#include <algorithm>

namespace plandex {

qint32 defaultOpeningWidth(OpeningKind kind)
{
    switch (kind) {
    case OpeningKind::Door:
        return 80;
    case OpeningKind::Window:
        return 120;
    case OpeningKind::Passage:
        return 90;
    }
    return 80;
}

qint32 wallLength(Wall wall, QSize room)
{
    return runsAlongX(wall) ? room.width() : room.height();
}

qint32 maxOpeningWidth(const Opening &opening, QSize room)
{
    const qint32 along = wallLength(opening.wall, room) - 1;
    if (!opening.swings())
        return along;
    const qint32 across = (runsAlongX(opening.wall) ? room.height() : room.width()) - 1;
    return std::min(along, across);
}

bool openingFits(const Opening &opening, QSize room)
{
    return opening.width >= minOpeningWidth && opening.width <= maxOpeningWidth(opening, room)
        && opening.start >= 0
        && qint64(opening.start) + opening.width <= wallLength(opening.wall, room) - 1;
}

qint32 hingeAt(const Opening &opening)
{
    // Facing the bottom or the left wall from inside, the left hand points
    // to where the wall's coordinate grows; facing the top or the right
    // wall, to where it starts.
    const bool towardsEnd = opening.wall == Wall::Bottom || opening.wall == Wall::Left;
    return towardsEnd == opening.hingesLeft ? opening.start + opening.width : opening.start;
}

namespace {

// The rectangle along the wall over the opening's width, depth pixels deep
// from the wall's edge of the plan besides the edge's own.
Edges besideWall(const Opening &o, QSize room, qint64 depth)
{
    const qint64 a = o.start, b = qint64(o.start) + o.width;
    const qint64 right = room.width() - 1, bottom = room.height() - 1;
    switch (o.wall) {
    case Wall::Top:
        return {a, 0, b, depth};
    case Wall::Bottom:
        return {a, bottom - depth, b, bottom};
    case Wall::Left:
        return {0, a, depth, b};
    case Wall::Right:
        return {right - depth, a, right, b};
    }
    return {};
}

} // namespace

Edges openingArea(const Opening &opening, QSize room)
{
    return besideWall(opening, room, opening.swings() ? opening.width : 0);
}

Edges openingGap(const Opening &opening, QSize room)
{
    return besideWall(opening, room, 0);
}

std::optional<Opening> openingOfRow(const ObjectTable::Row &row, QSize room)
{
    if (!hasOpeningMarker(row.name))
        return std::nullopt;
    std::optional<Opening> opening = parseOpeningName(row.name);
    const PairValues &x = row.xValues, &y = row.yValues;
    if (!opening || !x.first || !x.second || !y.first || !y.second)
        return std::nullopt;
    opening->start = runsAlongX(opening->wall) ? *x.first : *y.first;
    const Edges stored {*x.first, *y.first, *x.second, *y.second};
    if (!openingFits(*opening, room) || openingArea(*opening, room) != stored)
        return std::nullopt;
    return opening;
}

namespace {

const char *titleText(OpeningKind kind)
{
    switch (kind) {
    case OpeningKind::Door:
        return QT_TRANSLATE_NOOP("Openings", "Дверь %1");
    case OpeningKind::Window:
        return QT_TRANSLATE_NOOP("Openings", "Окно %1");
    case OpeningKind::Passage:
        return QT_TRANSLATE_NOOP("Openings", "Проём %1");
    }
    return "%1";
}

} // namespace

QString openingTitle(const Opening &opening)
{
    return QCoreApplication::translate("Openings", titleText(opening.kind)).arg(opening.width);
}

QString russianOpeningTitle(const Opening &opening)
{
    return QString::fromUtf8(titleText(opening.kind)).arg(opening.width);
}

QString shownName(const ObjectTable::Row &row, QSize room)
{
    const auto opening = openingOfRow(row, room);
    return opening ? openingTitle(*opening) : row.name;
}

} // namespace plandex
