#include "model/geometry.h"

#include "model/objecttable.h"
#include "model/windowstate.h"

namespace plandex {

void loadRow(const ObjectTable &table, int i, WindowState &state)
{
    readRect(table.row(i), state.objLeft, state.objTop, state.objRight, state.objBottom);
    state.objHeld = true;
}

void forgetObject(WindowState &state)
{
    state.objLeft = state.objRight = state.objTop = state.objBottom = 0;
    state.objHeld = false;
}

void getXY(const ObjectTable &table, WindowState &state)
{
    if (table.selection() < 0) {
        forgetObject(state);
        return;
    }
    loadRow(table, table.selection(), state);
}

} // namespace plandex
