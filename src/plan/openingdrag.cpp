#include "model/numberreading.h"
#include "model/pairtext.h"
#include "openings/wallplace.h"
#include "plan/colors.h"
#include "plan/editor.h"

#include <algorithm>

// An opening dragged in move mode: along its wall by as much as the mouse
// moved along it, or, once the mouse is nearer another wall, onto that one
// centred at the mouse. A place that does not pass the collision test
// leaves the last one shown.

namespace plandex {

namespace {

void setPreview(WindowState &s, const Edges &area)
{
    s.dragLeft = qint32(area.left);
    s.dragTop = qint32(area.top);
    s.dragRight = qint32(area.right);
    s.dragBottom = qint32(area.bottom);
}

} // namespace

void Editor::pressOpening(const Opening &opening)
{
    paintOpening(opening, colors::black);
    m_K.saveUnder();
    paintOpening(opening, colors::green);
    m_openingDrag = OpeningDrag {opening, opening};
    setPreview(m_state, openingArea(opening, m_K.size()));
}

void Editor::moveOpening(double X, double Y)
{
    WindowState &s = m_state;
    if (s.pressX == -1 || s.pressY == -1)
        return;
    OpeningDrag &drag = *m_openingDrag;
    restoreSnapshot();
    const QSize room = m_K.size();
    const QPointF at(X, Y);
    Opening wanted = drag.original;
    wanted.wall = drag.preview.wall;
    const Wall nearest = wallsByDistance(at, room).front();
    if (distanceToWall(nearest, at, room) < distanceToWall(wanted.wall, at, room))
        wanted.wall = nearest;
    const double along = wanted.wall == drag.original.wall
        ? drag.original.start + alongWall(wanted.wall, at)
            - alongWall(wanted.wall, {double(s.pressX), double(s.pressY)})
        : alongWall(wanted.wall, at) - wanted.width / 2.0;
    const qint64 lastStart = qint64(wallLength(wanted.wall, room)) - 1 - wanted.width;
    wanted.start = qint32(
        std::clamp<qint64>(roundToInt32(along).value_or(0), 0, std::max<qint64>(lastStart, 0)));
    if (openingFits(wanted, room)) {
        const Edges area = openingArea(wanted, room);
        collisionTest(double(area.left), double(area.top), double(area.right), double(area.bottom),
            m_table.selection());
        if (!s.collided)
            drag.preview = wanted;
    }
    setPreview(s, openingArea(drag.preview, room));
    paintOpening(drag.preview, colors::green);
    m_previewShown = true;
}

void Editor::releaseOpening()
{
    const OpeningDrag drag = *m_openingDrag;
    m_openingDrag.reset();
    const int row = m_table.selection();
    if (drag.preview == drag.original || row < 0) {
        m_previewShown = false;
        return;
    }
    const Edges area = openingArea(drag.preview, m_K.size());
    const ObjectTable::Row before = m_table.row(row);
    m_table.rewrite(row, openingName(drag.preview), editedPair(area.left, area.right),
        editedPair(area.top, area.bottom));
    m_history.rowRewritten(row, before);
    OBNOV();
    m_table.select(row);
}

} // namespace plandex
