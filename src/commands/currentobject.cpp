#include "commands/currentobject.h"

#include "model/pairtext.h"
#include "placement/freeplace.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

bool haveCurrentObject(Editor &editor)
{
    if (editor.table().selection() >= 0)
        return true;
    editor.prompts().beep();
    return false;
}

std::optional<SpatialIndex::Box> currentBox(Editor &editor)
{
    if (!haveCurrentObject(editor))
        return std::nullopt;
    const ObjectTable &table = editor.table();
    const ObjectTable::Row &r = table.row(table.selection());
    // A row from a file may hold numbers that do not fit, or swapped
    // corners; such a box has no size to keep.
    if (!r.xValues.first || !r.xValues.second || !r.yValues.first || !r.yValues.second
        || *r.xValues.first > *r.xValues.second || *r.yValues.first > *r.yValues.second) {
        editor.prompts().message(
            QCoreApplication::translate("Editor", "У этого объекта неверные координаты!"));
        return std::nullopt;
    }
    return SpatialIndex::Box {
        *r.xValues.first, *r.yValues.first, *r.xValues.second, *r.yValues.second};
}

std::optional<QPoint> freePlace(Editor &editor, qint64 width, qint64 height, QPoint target,
    int exemptRow, const QString &refusal)
{
    const WindowState &s = editor.state();
    const auto place
        = nearestFreePlace(editor.table(), {editor.K().size(), width, height, target, exemptRow},
            {s.othLeft, s.othTop, s.othRight, s.othBottom});
    if (!place)
        editor.prompts().message(refusal);
    return place;
}

void placeCurrent(Editor &editor, const SpatialIndex::Box &r)
{
    placeCurrentAs(editor, editor.table().selectedName(), r);
}

void placeCurrentAs(Editor &editor, const QString &name, const SpatialIndex::Box &r)
{
    ObjectTable &table = editor.table();
    const int row = table.selection();
    editor.collisionTest(r.left, r.top, r.right, r.bottom, row);
    if (editor.state().collided || row < 0)
        return;
    const ObjectTable::Row before = table.row(row);
    table.rewrite(row, name, editedPair(r.left, r.right), editedPair(r.top, r.bottom));
    editor.history().rowRewritten(row, before);
    editor.OBNOV();
    table.select(row);
}

bool roomForAnotherRow(Editor &editor)
{
    if (editor.table().count() < ObjectTable::maxRows)
        return true;
    editor.prompts().message(
        QCoreApplication::translate("Editor", "Больше объектов добавить нельзя!"));
    return false;
}

void appendPlaced(Editor &editor, const QString &name, const SpatialIndex::Box &r)
{
    ObjectTable &table = editor.table();
    editor.collisionTest(r.left, r.top, r.right, r.bottom, -1);
    if (editor.state().collided
        || !table.append(name, createdPair(r.left, r.right), createdPair(r.top, r.bottom)))
        return;
    editor.history().rowAdded(table.count() - 1);
    editor.OBNOV();
    table.select(table.count() - 1);
}

} // namespace plandex
