#include "commands/currentobject.h"
#include "commands/objectcommands.h"
#include "commands/openingcommands.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

void copyCurrent(Editor &editor)
{
    const auto box = currentBox(editor);
    if (!box || !roomForAnotherRow(editor))
        return;
    if (const auto opening = currentOpening(editor)) {
        copyOpening(editor, *opening);
        return;
    }
    const SpatialIndex::Box &b = *box;
    const qint64 length = qint64(b.right) - b.left, width = qint64(b.bottom) - b.top;
    // The original stays where it is and is in the way like any other.
    const auto at = freePlace(editor, length, width, {b.left, b.top}, -1,
        QCoreApplication::translate("Editor", "Для копии нет места!"));
    if (!at)
        return;
    appendPlaced(editor, editor.table().selectedName(),
        {at->x(), at->y(), qint32(at->x() + length), qint32(at->y() + width)});
}

} // namespace plandex
