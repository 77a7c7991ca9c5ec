#include "commands/currentobject.h"
#include "commands/objectcommands.h"
#include "model/geometry.h"
#include "plan/editor.h"

namespace plandex {

void enterSize(Editor &editor)
{
    if (!haveCurrentObject(editor))
        return;
    // What the press of a double click leaves in the labels: in another
    // mode, or after a right click, they may show the room instead.
    getXY(editor.table(), editor.state());
    const WindowState &s = editor.state();
    editor.showSize32(qint64(s.objRight) - s.objLeft, qint64(s.objBottom) - s.objTop);
    editor.sizeDialogFromLabels();
}

} // namespace plandex
