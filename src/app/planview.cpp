#include "app/planview.h"

#include "plan/editor.h"

#include <QMouseEvent>
#include <QPainter>

namespace plandex {

namespace {

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

PlanView::PlanView(Editor &editor, QWidget *parent)
    : QFrame(parent)
    , m_editor(editor)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_editor.K().setChangedCallback([this] { update(); });
}

QSize PlanView::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return m_editor.K().size() + QSize(frame, frame);
}

void PlanView::placeAt(QPoint origin)
{
    const int frame = frameWidth();
    setGeometry(QRect(origin - QPoint(frame, frame), sizeHint()));
}

QPoint PlanView::planOrigin() const
{
    return pos() + contentsRect().topLeft();
}

void PlanView::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_editor.K().image());
    m_editor.K().markShown();
}

} // namespace plandex

namespace plandex {

QPointF PlanView::planPoint(const QMouseEvent *event) const
{
    return event->position() - QPointF(contentsRect().topLeft());
}

void PlanView::mousePressEvent(QMouseEvent *event)
{
    m_dragging = true;
    const QPointF at = planPoint(event);
    m_editor.K_MouseDown(
        buttonSet(event->buttons()), shiftState(event->modifiers()), at.x(), at.y());
}

void PlanView::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = planPoint(event);
    m_editor.K_MouseMove(
        buttonSet(event->buttons()), shiftState(event->modifiers()), at.x(), at.y());
}

void PlanView::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = event->buttons() != Qt::NoButton;
    const QPointF at = planPoint(event);
    m_editor.K_MouseUp(buttonSet(event->button()), shiftState(event->modifiers()), at.x(), at.y());
}

void PlanView::mouseDoubleClickEvent(QMouseEvent * /*event*/)
{
    // Not the default, which would run the press handler a second time.
    m_editor.K_DblClick();
}

} // namespace plandex
