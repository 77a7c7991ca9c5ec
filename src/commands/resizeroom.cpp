#include "commands/roomcommands.h"
#include "files/komfile.h"
#include "model/geometry.h"
#include "plan/editor.h"

#include <QCoreApplication>

#include <algorithm>

namespace plandex {

static_assert(largestRoomSide == komMaxSide, "a room of any size can be saved and opened");

namespace {

// The first row, in table order, that a room of this size would not hold,
// by the collision test's rule for walls; -1 when it holds them all. Rows
// are read as a walk over the table reads them.
int firstOutside(const ObjectTable &table, qint64 width, qint64 height)
{
    qint32 l = 0, t = 0, r = 0, b = 0;
    for (int i = 0; i < table.count(); ++i) {
        readRect(table.row(i), l, t, r, b);
        if (std::min(l, r) < 0 || std::min(t, b) < 0 || std::max(l, r) > width
            || std::max(t, b) > height)
            return i;
    }
    return -1;
}

} // namespace

bool resizeRoomTo(Editor &editor, qint64 width, qint64 height)
{
    if (width < 50 || height < 50 || width > largestRoomSide || height > largestRoomSide) {
        editor.prompts().message(QCoreApplication::translate(
            "Editor", "Комната не должна быть больше 4096 x 4096 cm, и меньше 50 x 50 cm!"));
        return false;
    }
    const int outside = firstOutside(editor.table(), width, height);
    if (outside != -1) {
        editor.prompts().message(QCoreApplication::translate(
            "Editor", "Объект \"%1\" не помещается в комнату такого размера!")
                                     .arg(editor.table().name(outside)));
        return false;
    }
    const QSize before = editor.K().size();
    const QSize after {int(width), int(height)};
    if (after == before)
        return true;
    editor.resizeRoom(after);
    editor.history().roomResized(before);
    return true;
}

} // namespace plandex
