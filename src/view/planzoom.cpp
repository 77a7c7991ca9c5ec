#include "view/planoverlay.h"
#include "view/planview.h"
#include "view/zoomsteps.h"

#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

// The zoom of the plan view: its steps, about a point of the view or the
// middle of what it shows.

namespace plandex {

void PlanView::setZoom(int percent, std::optional<QPointF> at)
{
    percent = std::clamp(percent, zoomSteps.front(), zoomSteps.back());
    if (percent == m_zoom)
        return;
    const QPointF from = at.value_or(QPointF(m_viewport.center()));
    const QPointF room = (from - QPointF(roomOrigin())) / m_plan.zoom();
    m_zoom = percent;
    m_plan.setScale(m_zoom, devicePixelRatioF());
    place();
    // The view keeps its top-left corner: a point of it stays where it was.
    const QPointF to = at.value_or(QPointF(m_viewport.center()));
    const QPointF scroll = QPointF(m_viewport.topLeft()) + room * m_plan.zoom() - to;
    m_hbar->setValue(qRound(scroll.x()));
    m_vbar->setValue(qRound(scroll.y()));
    if (m_overlay) {
        m_overlay->setZoom(m_plan.zoom());
        m_overlay->follow();
    }
    update();
}

int PlanView::fittingZoom() const
{
    return plandex::fittingZoom(m_editor.K().size(), m_space);
}

void PlanView::wheelZoom(QWheelEvent *event)
{
    const QPoint turn = event->angleDelta();
    m_wheelRest += turn.y() != 0 ? turn.y() : turn.x();
    int percent = m_zoom;
    for (; m_wheelRest >= 120; m_wheelRest -= 120)
        percent = zoomStepUp(percent);
    for (; m_wheelRest <= -120; m_wheelRest += 120)
        percent = zoomStepDown(percent);
    setZoom(percent, event->position());
    event->accept();
}

} // namespace plandex
