#include "commands/currentobject.h"
#include "commands/openingcommands.h"
#include "plan/editor.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace plandex {

namespace {

// Whether the opening's area passes the collision test, the current row
// being no obstacle to itself.
bool isFree(Editor &editor, const Opening &opening)
{
    const Edges a = openingArea(opening, editor.K().size());
    editor.collisionTest(double(a.left), double(a.top), double(a.right), double(a.bottom),
        editor.table().selection());
    return !editor.state().collided;
}

} // namespace

bool resizeOpening(Editor &editor, qint32 width, bool hingesLeft, bool inward)
{
    const auto current = currentOpening(editor);
    if (!current)
        return false;
    const QSize room = editor.K().size();
    Opening o = *current;
    o.width = width;
    if (o.kind == OpeningKind::Door) {
        o.hingesLeft = hingesLeft;
        o.inward = inward;
    }
    const qint32 most = maxOpeningWidth(o, room);
    o.start = std::max(0, std::min(o.start, wallLength(o.wall, room) - 1 - width));
    if (width < minOpeningWidth || width > most) {
        editor.prompts().message(
            QCoreApplication::translate("Editor", "Ширина должна быть от %1 до %2 см!")
                .arg(minOpeningWidth)
                .arg(std::max(most, minOpeningWidth)));
        return false;
    }
    if (!isFree(editor, o)) {
        editor.prompts().message(QCoreApplication::translate(
            "Editor", "При таком значении объекты налагаются друг на друга!"));
        return false;
    }
    if (o != *current)
        placeCurrentAs(editor, openingName(o), boxOf(openingArea(o, room)));
    return true;
}

void flipHinges(Editor &editor, const Opening &door)
{
    Opening flipped = door;
    flipped.hingesLeft = !door.hingesLeft;
    placeCurrentAs(editor, openingName(flipped), boxOf(openingArea(flipped, editor.K().size())));
}

void nudgeOpening(Editor &editor, const Opening &opening, int dx, int dy)
{
    const int along = runsAlongX(opening.wall) ? dx : dy;
    const int unit = (along > 0) - (along < 0);
    // One centimetre at a time, so that nothing is jumped over.
    Opening moved = opening;
    for (int i = 1; i <= std::abs(along); ++i) {
        Opening next = opening;
        next.start = opening.start + unit * i;
        if (!openingFits(next, editor.K().size()) || !isFree(editor, next))
            break;
        moved = next;
    }
    if (moved == opening) {
        // Held down, the key repeats, as for any object.
        if (dx != 0 || dy != 0)
            editor.prompts().beep();
        return;
    }
    placeCurrent(editor, boxOf(openingArea(moved, editor.K().size())));
}

} // namespace plandex
