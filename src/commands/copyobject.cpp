#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

void Editor::copyCurrent()
{
    const auto box = currentBox();
    if (!box || !roomForAnotherRow())
        return;
    const SpatialIndex::Box &b = *box;
    const qint64 length = qint64(b.right) - b.left, width = qint64(b.bottom) - b.top;
    // The original stays where it is and is in the way like any other.
    const auto at = freePlace(length, width, {b.left, b.top}, -1,
        QCoreApplication::translate("Editor", "Для копии нет места!"));
    if (!at)
        return;
    appendPlaced(m_table.selectedName(),
        {at->x(), at->y(), qint32(at->x() + length), qint32(at->y() + width)});
}

} // namespace plandex
