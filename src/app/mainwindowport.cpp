#include "app/mainwindow.h"
#include "app/objectlistview.h"
#include "dialogs/openingdialog.h"
#include "dialogs/sizedialog.h"
#include "model/visibletext.h"
#include "view/planview.h"

#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QScreen>
#include <QToolButton>

// What the editor may change in the window (WindowPort), and the window
// fitted to the room.

namespace plandex {

void MainWindow::showSizeDialog(const QString &ob, const QString &w, const QString &h)
{
    if (const auto opening = currentOpening(*m_editor)) {
        OpeningDialog dialog(*m_editor, *opening, this);
        dialog.exec();
        return;
    }
    SizeDialog dialog(*m_editor, *m_prompts, this);
    dialog.ob()->setText(ob);
    dialog.H()->setText(h);
    dialog.W()->setText(w);
    dialog.exec();
}

QSize MainWindow::decoration() const
{
    return frameGeometry().size() - size();
}

void MainWindow::fitWindow(QSize client, int listHeight)
{
    m_fitClient = client;
    m_fitListHeight = listHeight;
    m_fitDecoration = decoration();
    // A room larger than the screen gets the screen's available area, less
    // the window's frame, and the plan scrolls within what is left of it.
    const QRect area = screen()->availableGeometry();
    const QSize limited = client.boundedTo(area.size() - m_fitDecoration);
    setFixedSize(limited);
    if (limited != client) {
        // So limited, the window must also lie on the screen to be reachable.
        const QSize outer = limited + m_fitDecoration;
        move(qBound(area.left(), x(), area.right() + 1 - outer.width()),
            qBound(area.top(), y(), area.bottom() + 1 - outer.height()));
    }
    m_L->resize(m_L->width(), qMin(listHeight, limited.height()));
    m_K->placeAt(planOrigin, m_editor->K().size() - (client - limited));
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // A window manager frames the window only once it is shown: a room
    // fitted before that, from the command line, is fitted again with the
    // frame.
    if (m_fitClient.isValid() && decoration() != m_fitDecoration)
        fitWindow(m_fitClient, m_fitListHeight);
}

void MainWindow::setSizeLabels(const QString &w, const QString &h)
{
    m_W->setText(w);
    m_H->setText(h);
}

void MainWindow::setCaption(const QString &caption)
{
    // The caption shows the object's name, and Qt takes "[*]" in a title for
    // its mark of unsaved changes; doubled, it shows as written.
    setWindowTitle(visibleText(caption).replace(QLatin1String("[*]"), QLatin1String("[*][*]")));
}

void MainWindow::setListVisible(bool visible)
{
    m_L->setVisible(visible);
}

void MainWindow::setPlanCursor(PlanCursor cursor)
{
    switch (cursor) {
    case PlanCursor::Arrow:
        m_K->setCursor(Qt::ArrowCursor);
        break;
    case PlanCursor::Move:
        m_K->setCursor(Qt::SizeAllCursor);
        break;
    case PlanCursor::SizeNWSE:
        m_K->setCursor(Qt::SizeFDiagCursor);
        break;
    }
}

void MainWindow::setDeleteEnabled(bool enabled)
{
    m_DelObj->setEnabled(enabled);
}

} // namespace plandex
