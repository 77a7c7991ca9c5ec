#include "commands/currentobject.h"
#include "commands/objectcommands.h"
#include "commands/openingcommands.h"
#include "plan/editor.h"

#include <cstdlib>

namespace plandex {

void nudge(Editor &editor, int dx, int dy)
{
    if (const auto opening = currentOpening(editor)) {
        nudgeOpening(editor, *opening, dx, dy);
        return;
    }
    const auto box = currentBox(editor);
    if (!box)
        return;
    const int steps = std::abs(dx) + std::abs(dy);
    const int ux = (dx > 0) - (dx < 0), uy = (dy > 0) - (dy < 0);
    const SpatialIndex::Box &b = *box;
    // One centimetre at a time, so that nothing is jumped over.
    int done = 0;
    for (int i = 1; i <= steps; ++i) {
        editor.stolknov(double(b.left) + ux * i, double(b.top) + uy * i, double(b.right) + ux * i,
            double(b.bottom) + uy * i);
        if (editor.state().collided)
            break;
        done = i;
    }
    if (done == 0) {
        // Held down, the key repeats: a box would take the presses after it.
        if (steps > 0)
            editor.prompts().beep();
        return;
    }
    placeCurrent(
        editor, {b.left + ux * done, b.top + uy * done, b.right + ux * done, b.bottom + uy * done});
}

} // namespace plandex
