#include "app/mainwindow.h"
#include "app/objectlistview.h"
#include "dialogs/icons.h"
#include "dialogs/opendialog.h"
#include "dialogs/twips.h"
#include "view/planview.h"

#include <QButtonGroup>
#include <QFrame>
#include <QToolButton>

// The column of tool buttons: the edit modes, delete and the file buttons,
// and the window's tab order.

namespace plandex {

QToolButton *MainWindow::addToolButton(
    const char *name, int topTwips, const QString &icon, const QString &tooltip)
{
    auto *button = placed(new QToolButton(this), name, twipsRect(120, topTwips, 495, 495));
    const QSize iconSize(26, 24);
    button->setIcon(toolIcon(icon, iconSize));
    button->setIconSize(iconSize);
    button->setToolTip(tooltip);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void MainWindow::buildToolColumn()
{
    m_create = addToolButton("create", 120, "create", tr("Создание нового объекта"));
    m_selct = addToolButton("selct", 720, "selct", tr("Выбор и перемещение объекта."));
    m_Rsiz = addToolButton("Rsiz", 1320, "rsiz", tr("Изменение размера объектов."));
    m_DelObj = addToolButton("DelObj", 1920, "delobj", tr("Удалить объект."));
    m_btnNew = addToolButton("btnNew", 2760, "btnnew", tr("Создать новую комнату."));
    m_btnOpen
        = addToolButton("btnOpen", 3360, "btnopen", tr("Открыть уже созданную ранее комнату"));
    m_btnSave
        = addToolButton("btnSave", 3960, "btnsave", tr("Сохранить созданную сейчас комнату."));
    m_btnExp = addToolButton("btnExp", 4680, "btnexp", tr("Экспортировать в BMP рисунок."));

    m_modes = new QButtonGroup(this);
    m_modes->setExclusive(true);
    for (QToolButton *mode : {m_create, m_selct, m_Rsiz}) {
        mode->setCheckable(true);
        m_modes->addButton(mode);
    }
    m_create->setChecked(true);
    // Like a group of option buttons, only the pressed one is a tab stop.
    auto tabStop = [this] {
        for (QToolButton *mode : {m_create, m_selct, m_Rsiz})
            mode->setFocusPolicy(mode->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    tabStop();
    connect(m_modes, &QButtonGroup::buttonToggled, this, tabStop);

    m_Line1 = new QFrame(this);
    m_Line1->setObjectName("Line1");
    m_Line1->setFrameStyle(QFrame::HLine | QFrame::Plain);
    m_Line1->setForegroundRole(QPalette::Dark);
    m_Line1->setGeometry(0, px(2640), px(720), 1);
}

void MainWindow::setTabOrder()
{
    // L, K, then the tool buttons in their own order; labels take no focus.
    const QList<QWidget *> chain
        = {m_L, m_K, m_create, m_selct, m_Rsiz, m_DelObj, m_btnSave, m_btnExp, m_btnOpen, m_btnNew};
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::connectButtons()
{
    Editor &e = *m_editor;
    connect(m_create, &QToolButton::clicked, this, [&e] { e.create_Click(); });
    connect(m_selct, &QToolButton::clicked, this, [&e] { e.selct_Click(); });
    connect(m_Rsiz, &QToolButton::clicked, this, [&e] { e.Rsiz_Click(); });
    connect(m_DelObj, &QToolButton::clicked, this, [&e] { e.DelObj_Click(); });
    connect(m_btnNew, &QToolButton::clicked, this, [this, &e] {
        if (unsavedChangesSettled())
            e.btnNew_Click();
    });
    connect(m_btnOpen, &QToolButton::clicked, this, [this, &e] {
        if (!unsavedChangesSettled())
            return;
        OpenDialog dialog([&e](const QString &path) { e.openKom(path); }, this);
        dialog.exec();
    });
    connect(m_btnSave, &QToolButton::clicked, this, [this] { showSaveDialog("Sav"); });
    connect(m_btnExp, &QToolButton::clicked, this, [this] { showSaveDialog("Exp"); });
}

} // namespace plandex
