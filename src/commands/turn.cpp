#include "commands/currentobject.h"
#include "commands/objectcommands.h"
#include "model/numberreading.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

void turnCurrent(Editor &editor)
{
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
