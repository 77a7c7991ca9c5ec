#include "app/mainwindow.h"

#include "app/accessiblenames.h"
#include "app/listsplitter.h"
#include "app/objectlistview.h"
#include "app/qtprompts.h"
#include "dialogs/icons.h"
#include "dialogs/plainlabel.h"
#include "dialogs/savedialog.h"
#include "dialogs/twips.h"
#include "files/roomsize.h"
#include "menus/commandmenu.h"
#include "menus/drawingcommands.h"
#include "menus/editcommands.h"
#include "menus/filecommands.h"
#include "menus/objectcommands.h"
#include "menus/overlaycommands.h"
#include "menus/roomcommands.h"
#include "menus/walkwaycommands.h"
#include "menus/zoomcommands.h"
#include "shell/filetyperegistration.h"
#include "shell/linklabel.h"
#include "shell/roomfiletype.h"
#include "shell/weblink.h"
#include "view/planview.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QToolButton>

namespace plandex {

MainWindow::MainWindow(Prompts *prompts, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
            | Qt::WindowCloseButtonHint)
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
    resize(designClientSize);
    // No smaller than the window of the smallest room.
    setMinimumSize(fitAround({0, 0}).client);

    buildToolColumn();

    m_L = placed(new ObjectListView(m_editor->table(), this), "L", twipsRect(720, 0, 1215, 5910));
    m_laidOutListHeight = m_L->height();

    m_K = new PlanView(*m_editor, this);
    m_K->setObjectName("K");
    m_splitter = new ListSplitter(this);
    connect(
        m_splitter, &ListSplitter::pressed, this, [this] { m_wideningAtPress = m_shownWidening; });
    connect(m_splitter, &ListSplitter::draggedBy, this, &MainWindow::widenList);

    m_W = placed(plainLabel(this), "W", twipsRect(2040, 0, 975, 255));
    m_H = placed(plainLabel(this), "H", twipsRect(3000, 0, 975, 255));

    auto *link = new LinkLabel(webAddress, this);
    m_Label1 = placed(link, "Label1", twipsRect(4080, 0, 1575, 255));
    connect(link, &LinkLabel::clicked, this, &MainWindow::Label1_Click);
    QPalette linkColours = m_Label1->palette();
    linkColours.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_Label1->setPalette(linkColours);

    layOut();
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
    addWalkwayCommands(*this, *m_commands, *m_K);
    addZoomCommands(*m_commands, *m_K);
    addRoomCommands(*this, *m_editor, *m_commands);
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

} // namespace plandex
