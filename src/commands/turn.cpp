#include "commands/currentobject.h"
#include "commands/objectcommands.h"
#include "commands/openingcommands.h"
#include "model/numberreading.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

void turnCurrent(Editor &editor)
{
    // A door turns its hinges to the other side; a window or an opening
    // without a leaf is its own turn.
    if (const auto opening = currentOpening(editor)) {
        if (opening->kind == OpeningKind::Door)
            flipHinges(editor, *opening);
        return;
    }
    const auto box = currentBox(editor);
    if (!box)
        return;
    const SpatialIndex::Box &b = *box;
    const qint64 length = qint64(b.right) - b.left, width = qint64(b.bottom) - b.top;
    if (length == width)
        return; // turned, a square is itself
    // About the centre, a half going to the even neighbour.
    const qint32 left = roundToInt32((qint64(b.left) + b.right - width) / 2.0).value_or(b.left);
    const qint32 top = roundToInt32((qint64(b.top) + b.bottom - length) / 2.0).value_or(b.top);
    editor.stolknov(left, top, double(left) + width, double(top) + length);
    QPoint at(left, top);
    if (editor.state().collided) {
        const auto place = freePlace(editor, width, length, at, editor.table().selection(),
            QCoreApplication::translate("Editor", "Для поворота объекта нет места!"));
        if (!place)
            return;
        at = *place;
    }
    placeCurrent(editor, {at.x(), at.y(), qint32(at.x() + width), qint32(at.y() + length)});
}

} // namespace plandex
