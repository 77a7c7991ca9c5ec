#include "model/pairtext.h"
#include "placement/freeplace.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

bool Editor::haveCurrentObject()
{
    if (m_table.selection() >= 0)
        return true;
    m_prompts.message(QCoreApplication::translate("Editor", "Сначала выберите объект!"));
    return false;
}

std::optional<SpatialIndex::Box> Editor::currentBox()
{
    if (!haveCurrentObject())
        return std::nullopt;
    const ObjectTable::Row &r = m_table.row(m_table.selection());
    // A row from a file may hold numbers that do not fit, or swapped
    // corners; such a box has no size to keep.
    if (!r.xValues.first || !r.xValues.second || !r.yValues.first || !r.yValues.second
        || *r.xValues.first > *r.xValues.second || *r.yValues.first > *r.yValues.second) {
        m_prompts.message(
            QCoreApplication::translate("Editor", "У этого объекта неверные координаты!"));
        return std::nullopt;
    }
    return SpatialIndex::Box {
        *r.xValues.first, *r.yValues.first, *r.xValues.second, *r.yValues.second};
}

std::optional<QPoint> Editor::freePlace(
    qint64 width, qint64 height, QPoint target, int exemptRow, const QString &refusal)
{
    const WindowState &s = m_state;
    const auto place = nearestFreePlace(m_table, {m_K.size(), width, height, target, exemptRow},
        {s.othLeft, s.othTop, s.othRight, s.othBottom});
    if (!place)
        m_prompts.message(refusal);
    return place;
}

void Editor::placeCurrent(const SpatialIndex::Box &r)
{
    const int row = m_table.selection();
    collisionTest(r.left, r.top, r.right, r.bottom, row);
    if (m_state.collided || row < 0)
        return;
    const ObjectTable::Row before = m_table.row(row);
    m_table.rewrite(row, before.name, editedPair(r.left, r.right), editedPair(r.top, r.bottom));
    m_history.rowRewritten(row, before);
    OBNOV();
    m_table.select(row);
}

bool Editor::roomForAnotherRow()
{
    if (m_table.count() < ObjectTable::maxRows)
        return true;
    m_prompts.message(QCoreApplication::translate("Editor", "Больше объектов добавить нельзя!"));
    return false;
}

void Editor::appendPlaced(const QString &name, const SpatialIndex::Box &r)
{
    collisionTest(r.left, r.top, r.right, r.bottom, -1);
    if (m_state.collided
        || !m_table.append(name, createdPair(r.left, r.right), createdPair(r.top, r.bottom)))
        return;
    m_history.rowAdded(m_table.count() - 1);
    OBNOV();
    m_table.select(m_table.count() - 1);
}

} // namespace plandex
