#include "app/listsplitter.h"
#include "app/mainwindow.h"
#include "app/objectlistview.h"
#include "view/planview.h"
#include "view/zoomsteps.h"

#include <QLabel>
#include <QMoveEvent>
#include <QScreen>

// The window laid out for its size and fitted to the room: the design
// layout at the fitted size, more height going to the list and the plan,
// more width to the plan, the list widened by the splitter.

namespace plandex {

namespace {

// The window's client area beside and below the plan, as the fitted
// window has it: the tool column and the list on the left, the labels
// above, a margin right of and below the plan.
constexpr QSize planMargin {150, 37};
// The least of the plan's width that widening the list leaves.
constexpr int leastPlanWidth = 50;

} // namespace

QSize MainWindow::decoration() const
{
    return frameGeometry().size() - size();
}

void MainWindow::fitWindow(QSize client, int listHeight)
{
    // An undo or a room of the same size keeps the window as the user made
    // it, and the zoom too.
    if (client == m_fitClient && listHeight == m_fitListHeight)
        return;
    m_fitClient = client;
    m_fitListHeight = listHeight;
    applyFit();
}

void MainWindow::applyFit()
{
    m_fitDecoration = decoration();
    // A room larger than the screen gets the screen's available area, less
    // the window's frame, and the plan scrolls within what is left of it.
    const QRect area = screen()->availableGeometry();
    // A list the user widened stays so, beside the room's plan.
    const QSize client = m_fitClient + QSize(m_listWidening, 0);
    const QSize limited = client.boundedTo(area.size() - m_fitDecoration);
    m_laidOutFor = limited;
    m_laidOutListHeight = qMin(m_fitListHeight, limited.height());
    if (isMaximized()) {
        // It stays so, and the room fills it.
        layOut();
        m_K->setZoom(m_K->fittingZoom());
        return;
    }
    m_K->setZoom(plainZoom);
    resize(limited);
    if (limited != client) {
        // So limited, the window must also lie on the screen to be reachable.
        const QSize outer = limited + m_fitDecoration;
        move(qBound(area.left(), x(), area.right() + 1 - outer.width()),
            qBound(area.top(), y(), area.bottom() + 1 - outer.height()));
    }
    layOut();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // A window manager frames the window only once it is shown: a room
    // fitted before that, from the command line, is fitted again with the
    // frame.
    if (m_fitClient.isValid() && decoration() != m_fitDecoration && !isMaximized())
        applyFit();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void MainWindow::layOut()
{
    if (!m_splitter)
        return; // not built yet
    const QSize extra = size() - m_laidOutFor;
    const int widening
        = qBound(0, m_listWidening, qMax(0, width() - planMargin.width() - leastPlanWidth));
    const int shift = widening - m_shownWidening;
    m_shownWidening = widening;
    const int listHeight = qMax(0, m_laidOutListHeight + extra.height());
    m_L->resize(m_L->width() + shift, listHeight);
    for (QLabel *label : {m_W, m_H, m_Label1})
        label->move(label->x() + shift, label->y());
    const QPoint origin = planOrigin + QPoint(widening, 0);
    m_K->placeAt(origin, size() - planMargin - QSize(widening, 0));
    const int listEnd = m_L->x() + m_L->width();
    m_splitter->setGeometry(listEnd, 0, m_K->x() - listEnd, listHeight);
}

void MainWindow::widenList(int by)
{
    m_listWidening = qMax(0, m_wideningAtPress + by);
    layOut();
}

} // namespace plandex
