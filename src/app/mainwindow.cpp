#include "app/mainwindow.h"

#include "app/accessiblenames.h"
#include "app/objectlistview.h"
#include "app/qtprompts.h"
#include "dialogs/icons.h"
#include "dialogs/opendialog.h"
#include "dialogs/plainlabel.h"
#include "dialogs/savedialog.h"
#include "dialogs/sizedialog.h"
#include "dialogs/twips.h"
#include "menus/commandmenu.h"
#include "menus/drawingcommands.h"
#include "menus/editcommands.h"
#include "menus/filecommands.h"
#include "menus/objectcommands.h"
#include "menus/overlaycommands.h"
#include "shell/filetyperegistration.h"
#include "shell/linklabel.h"
#include "shell/roomfiletype.h"
#include "shell/weblink.h"
#include "view/planview.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QScreen>
#include <QToolButton>

namespace plandex {

MainWindow::MainWindow(Prompts *prompts, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName("intr");
    if (!prompts) {
        m_ownPrompts = std::make_unique<QtPrompts>(this);
        prompts = m_ownPrompts.get();
    }
    m_prompts = prompts;
    m_editor = std::make_unique<Editor>(*this, *prompts);

    setWindowTitle(mainCaption);
    setWindowIcon(appIcon());
    setFixedSize(designClientSize);

    buildToolColumn();

    m_L = placed(new ObjectListView(m_editor->table(), this), "L", twipsRect(720, 0, 1215, 5910));

    m_K = new PlanView(*m_editor, this);
    m_K->setObjectName("K");
    m_K->placeAt(planOrigin);

    m_W = placed(plainLabel(this), "W", twipsRect(2040, 0, 975, 255));
    m_H = placed(plainLabel(this), "H", twipsRect(3000, 0, 975, 255));

    auto *link = new LinkLabel(webAddress, this);
    m_Label1 = placed(link, "Label1", twipsRect(4080, 0, 1575, 255));
    connect(link, &LinkLabel::clicked, this, &MainWindow::Label1_Click);
    QPalette linkColours = m_Label1->palette();
    linkColours.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_Label1->setPalette(linkColours);

    setTabOrder();
    nameForScreenReaders(*this);
    // The window opens with the keyboard on the list, first in the tab order.
    m_L->setFocus();
    connectButtons();
    buildCommands();
    m_editor->load();
    mkras();
}

void MainWindow::mkras()
{
    m_editor->state().tmpStr = fileTypeKey;
    registerFileTypeInBackground(QCoreApplication::applicationFilePath(), XdgFolders::ofUser());
}

void MainWindow::Label1_Click()
{
    openWebPage();
}

MainWindow::~MainWindow() = default;

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

bool MainWindow::busy() const
{
    // A drag holds a snapshot of the plan that a command would make stale,
    // and an open dialog or question is working on the room.
    return m_K->dragging() || QApplication::activeModalWidget();
}

void MainWindow::buildCommands()
{
    m_commands = new CommandMenu(*this, [this] { return busy(); });
    connect(m_K, &PlanView::menuRequested, this,
        [this](QPoint global, QPointF at) { m_commands->popup(MenuPlace::Plan, global, at); });
    connect(m_L, &ObjectListView::menuRequested, this,
        [this](QPoint global) { m_commands->popup(MenuPlace::List, global); });
    m_commands->listenToKeys(
        m_K, MenuPlace::Plan, [this] { return m_K->menuAnchor(); },
        [this](QPoint at) { return m_K->planPoint(at); });
    m_commands->listenToKeys(m_L, MenuPlace::List, [this] {
        const QRect item = m_L->visualRect(m_L->currentIndex());
        return item.isValid() ? item.center() : QPoint(0, 0);
    });
    addHistoryCommands();
    addEditCommands(*m_editor, *m_commands);
    addFileCommands(*this, *m_editor, *m_commands);
    addObjectCommands(*m_editor, *m_commands);
    addOverlayCommands(*m_commands, *m_K);
    addDrawingCommands(*this, *m_editor, *m_commands);
}

void MainWindow::addHistoryCommands()
{
    QUndoStack &stack = m_editor->history().stack();
    QAction *undo = m_commands->add(MenuSection::History, tr("Отменить"),
        {QKeySequence(Qt::CTRL | Qt::Key_Z)}, [this] { m_editor->history().undo(); });
    QAction *redo = m_commands->add(MenuSection::History, tr("Вернуть"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
        [this] { m_editor->history().redo(); });
    // Kept up to date, not only when a menu shows: a disabled action's
    // shortcut does nothing either.
    undo->setEnabled(stack.canUndo());
    redo->setEnabled(stack.canRedo());
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->setAccepted(unsavedChangesSettled());
}

bool MainWindow::unsavedChangesSettled()
{
    if (!m_editor->history().isModified())
        return true;
    switch (m_prompts->askYesNoCancel(tr("Сохранить изменения в комнате?"))) {
    case Answer::Yes:
        showSaveDialog(QStringLiteral("Sav"));
        return !m_editor->history().isModified();
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void MainWindow::showSaveDialog(const QString &mode)
{
    Editor &e = *m_editor;
    e.state().tmpStr = mode;
    const bool save = mode == QLatin1String("Sav");
    SaveDialog dialog(
        e.state().tmpStr,
        [&e, save](const QString &path) { return save ? e.saveKom(path) : e.exportBmp(path); },
        this);
    if (save)
        dialog.proposeFile(e.fileToOffer());
    dialog.exec();
}

void MainWindow::showSizeDialog(const QString &ob, const QString &w, const QString &h)
{
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
    setWindowTitle(QString(caption).replace(QLatin1String("[*]"), QLatin1String("[*][*]")));
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
