#include "model/geometry.h"
#include "openings/takengaps.h"
#include "plan/colors.h"
#include "plan/editor.h"

namespace plandex {

void Editor::OBNOV()
{
    m_K.clear();
    m_K.clearPicture();
    m_previewShown = false;
    m_state.listReady = false;
    m_table.select(-1);
    // The rows are visited in table order without moving the selection one
    // step at a time; with listReady false that walk showed nothing, and
    // what it left behind (the last row selected, its rectangle loaded) is
    // set once at the end.
    // A number that does not fit leaves the one read before it in place.
    // All boxes are blue, so they are drawn together: a file of boxes over
    // the whole room costs no more than one pass over the plan.
    // Openings go first: their marks beside a strip lie on floor that the
    // furniture may cover.
    TakenGaps gaps;
    const int rows = m_table.count();
    std::vector<PlanSurface::Box> boxes;
    boxes.reserve(size_t(rows));
    for (int i = 0; i < rows; ++i) {
        loadRow(m_table, i, m_state);
        const auto opening = openingOfRow(m_table.row(i), m_K.size());
        if (!opening)
            boxes.push_back({m_state.objLeft, m_state.objTop, m_state.objRight, m_state.objBottom});
        else if (gaps.take(*opening))
            paintOpening(*opening, colors::blue);
    }
    m_K.fillBoxes(boxes, colors::blue);
    if (rows > 0)
        m_table.select(rows - 1);
    m_state.listReady = true;
}

} // namespace plandex
