#include "commands/currentobject.h"
#include "commands/objectcommands.h"
#include "model/numberreading.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

void addPiece(Editor &editor, const QString &name, QSize size, QPointF at)
{
    if (!roomForAnotherRow(editor))
        return;
    const QPoint target(roundToInt32(at.x() - size.width() / 2.0).value_or(0),
        roundToInt32(at.y() - size.height() / 2.0).value_or(0));
    const auto place = freePlace(editor, size.width(), size.height(), target, -1,
        QCoreApplication::translate("Editor", "Для этого предмета нет места!"));
    if (!place)
        return;
    appendPlaced(editor, name,
        {place->x(), place->y(), place->x() + size.width(), place->y() + size.height()});
}

} // namespace plandex
