#include "app/planview.h"

#include "plan/editor.h"

#include <QPainter>

namespace plandex {

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
}

} // namespace plandex
