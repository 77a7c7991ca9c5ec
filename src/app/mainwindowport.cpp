#include "app/mainwindow.h"
#include "app/objectlistview.h"
#include "dialogs/openingdialog.h"
#include "dialogs/sizedialog.h"
#include "model/visibletext.h"
#include "view/planview.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

// What the editor may change in the window (WindowPort); the window fitted
// to the room is in windowlayout.cpp.

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
