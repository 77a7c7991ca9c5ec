#include "model/numberreading.h"
#include "plan/colors.h"
#include "plan/editor.h"

namespace plandex {

void Editor::K_MouseDown(int button, int /*shift*/, double X, double Y)
{
    m_state.tmpStr = QStringLiteral("HElaga");
    m_openingDrag.reset();
    m_window.setCaption(mainCaption);
    m_window.setListVisible(false);
    // A press while a drag's preview is still shown (another button
    // pressed mid-drag) first puts the plan back to what the table holds.
    if (m_previewShown)
        OBNOV();
    switch (m_state.mode) {
    case EditMode::Create:
        pressCreate(X, Y);
        break;
    case EditMode::Move:
    case EditMode::Resize:
        pressGrab(button, X, Y);
        break;
    }
}

void Editor::pressCreate(double X, double Y)
{
    // On an object, or outside the plan (-1): no rubber band, whatever the
    // button.
    if (m_K.point(X, Y) != colors::black) {
        m_state.pressX = -1;
        m_state.pressY = -1;
        return;
    }
    m_K.clear();
    OBNOV();
    m_K.saveUnder();
    assignIfRead(m_state.pressX, roundToInt32(X));
    assignIfRead(m_state.pressY, roundToInt32(Y));
    m_bandAccepted = false;
}

void Editor::pressGrab(int button, double X, double Y)
{
    const bool moving = m_state.mode == EditMode::Move;
    testpoz(X, Y);
    // Move mode also wants an object's colour under the cursor; resize
    // mode trusts the hit test alone. An opening is moved from anywhere on
    // its swing or mark, and its size is no mouse's business.
    const auto opening = currentOpening(*this);
    const bool grab = button == buttons::left && m_table.selection() != -1
        && (opening ? moving : (!moving || m_K.point(X, Y) != colors::black));
    if (!grab) {
        if (moving)
            m_window.setPlanCursor(PlanCursor::Arrow);
        m_state.pressX = -1;
        m_state.pressY = -1;
        showSize(m_K.width(), m_K.height());
        return;
    }
    m_window.setCaption(mainCaption + " - " + shownRowName(*this, m_table.selection()));
    if (moving)
        m_window.setPlanCursor(PlanCursor::Move);
    assignIfRead(m_state.pressX, roundToInt32(X));
    assignIfRead(m_state.pressY, roundToInt32(Y));
    if (opening) {
        pressOpening(*opening);
        return;
    }
    // Cut the object out for the snapshot, then show it again as the one
    // being dragged.
    fillObj(colors::black);
    m_K.saveUnder();
    fillObj(colors::green);
    m_state.dragLeft = m_state.objLeft;
    m_state.dragTop = m_state.objTop;
    m_state.dragRight = m_state.objRight;
    m_state.dragBottom = m_state.objBottom;
}

} // namespace plandex
