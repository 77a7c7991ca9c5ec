#include "plan/editor.h"
#include "view/planview.h"
#include "view/walkwayoverlay.h"

#include <QPainter>

namespace plandex {

void PlanView::setWalkways(bool on)
{
    if (on == walkways())
        return;
    if (on) {
        m_walkways = std::make_unique<WalkwayOverlay>(m_editor, font(), m_passage);
        m_walkways->follow({});
    } else {
        m_walkways.reset();
    }
    update(m_viewport);
}

void PlanView::setPassage(int cm)
{
    if (cm == m_passage)
        return;
    m_passage = cm;
    if (!m_walkways)
        return;
    m_walkways->setPassage(cm);
    m_walkways->follow({});
    update(m_viewport);
}

void PlanView::paintWalkways(QPainter &painter, const QRegion &shown)
{
    const QPoint origin = roomOrigin();
    const double zoom = m_plan.zoom();
    for (const QRect &target : shown) {
        painter.setClipRect(target);
        const QRect area = m_plan.roomArea(target, origin);
        const QRectF at(origin.x() + area.x() * zoom, origin.y() + area.y() * zoom,
            area.width() * zoom, area.height() * zoom);
        m_walkways->paintFloor(painter, area, at);
    }
    painter.setClipRect(m_viewport);
    m_walkways->paintMarks(painter, origin, zoom, m_viewport);
}

} // namespace plandex
