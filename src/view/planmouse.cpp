#include "plan/editor.h"
#include "view/planview.h"
#include "view/zoomsteps.h"

#include <QMouseEvent>
#include <QScrollBar>

#include <cmath>

// The mouse on the plan view: its events handed to the editor in room
// centimetres, and the scrolling of a held mouse at the view's edges.

namespace plandex {

namespace {

// How close to an edge a held mouse starts scrolling, and how far one step
// goes.
constexpr int edgeMargin = 16;
constexpr int edgeStep = 12;

// The editor's button set: 1 left, 2 right, 4 middle, summed.
int buttonSet(Qt::MouseButtons held)
{
    int set = 0;
    if (held & Qt::LeftButton)
        set |= buttons::left;
    if (held & Qt::RightButton)
        set |= buttons::right;
    if (held & Qt::MiddleButton)
        set |= buttons::middle;
    return set;
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

QPointF PlanView::planPoint(QPointF widgetPoint) const
{
    const QPointF at = widgetPoint - QPointF(roomOrigin());
    if (m_zoom == plainZoom)
        return at;
    // The centimetre whose square holds the point: a drag of 40 pixels at
    // 200% is one of 20 cm, and every rule of the editor keeps its
    // centimetres.
    const double zoom = m_plan.zoom();
    return {std::floor(at.x() / zoom), std::floor(at.y() / zoom)};
}

QPoint PlanView::edgeDirection() const
{
    const QPointF at = m_lastMouse;
    const int dx = at.x() < m_viewport.left() + edgeMargin ? -1
        : at.x() > m_viewport.right() - edgeMargin         ? 1
                                                           : 0;
    const int dy = at.y() < m_viewport.top() + edgeMargin ? -1
        : at.y() > m_viewport.bottom() - edgeMargin       ? 1
                                                          : 0;
    return {dx, dy};
}

void PlanView::edgeScroll()
{
    const QPoint before = scrollOffset();
    const QPoint direction = edgeDirection();
    m_hbar->setValue(m_hbar->value() + direction.x() * edgeStep);
    m_vbar->setValue(m_vbar->value() + direction.y() * edgeStep);
    if (!m_dragging || scrollOffset() == before) {
        m_edgeTimer.stop();
        return;
    }
    const QPointF at = planPoint(m_lastMouse);
    m_editor.K_MouseMove(m_lastButtons, 0, at.x(), at.y());
}

void PlanView::mousePressEvent(QMouseEvent *event)
{
    m_dragging = true;
    m_releaseSeen = false;
    const QPointF at = planPoint(event->position());
    const int shift = shiftState(event->modifiers());
    m_editor.K_MouseDown(buttonSet(event->buttons()), shift, at.x(), at.y());
    // A right click opens the menu at once, but not in the middle of a drag
    // of the left button, which goes on as the right button says.
    if (event->button() != Qt::RightButton || (event->buttons() & ~Qt::RightButton))
        return;
    // The menu takes the mouse, so the editor sees the release now: the
    // click is over before any command of the menu runs.
    m_editor.K_MouseUp(buttons::right, shift, at.x(), at.y());
    m_dragging = false;
    m_releaseSeen = true;
    emit menuRequested(event->globalPosition().toPoint(), at);
}

void PlanView::mouseMoveEvent(QMouseEvent *event)
{
    m_lastMouse = event->position();
    m_lastButtons = buttonSet(event->buttons());
    const QPointF at = planPoint(event->position());
    m_editor.K_MouseMove(m_lastButtons, shiftState(event->modifiers()), at.x(), at.y());
    // Only a room that scrolls scrolls on; edgeScroll stops at the ends.
    const bool scrolls = m_hbar->isVisible() || m_vbar->isVisible();
    if (m_dragging && scrolls && edgeDirection() != QPoint(0, 0)) {
        if (!m_edgeTimer.isActive())
            m_edgeTimer.start();
    } else {
        m_edgeTimer.stop();
    }
}

void PlanView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_releaseSeen && event->button() == Qt::RightButton) {
        m_releaseSeen = false;
        return;
    }
    m_dragging = event->buttons() != Qt::NoButton;
    if (!m_dragging)
        m_edgeTimer.stop();
    const QPointF at = planPoint(event->position());
    m_editor.K_MouseUp(buttonSet(event->button()), shiftState(event->modifiers()), at.x(), at.y());
    followOverlaySoon();
}

void PlanView::mouseDoubleClickEvent(QMouseEvent * /*event*/)
{
    // Not the default, which would run the press handler a second time.
    m_editor.K_DblClick();
    followOverlaySoon();
}

} // namespace plandex
