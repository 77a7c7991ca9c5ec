#include "app/listsplitter.h"

#include <QMouseEvent>

#include <cmath>

namespace plandex {

ListSplitter::ListSplitter(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("splitter");
    setCursor(Qt::SplitHCursor);
    setFocusPolicy(Qt::NoFocus);
}

void ListSplitter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressX = event->globalPosition().x();
    emit pressed();
}

void ListSplitter::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        emit draggedBy(int(std::lround(event->globalPosition().x() - m_pressX)));
}

} // namespace plandex
