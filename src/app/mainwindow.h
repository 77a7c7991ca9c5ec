#pragma once

#include "plan/editor.h"
#include "plan/windowport.h"

#include <QWidget>

#include <memory>

class QButtonGroup;
class QLabel;
class QToolButton;
class QFrame;

namespace plandex {

class CommandMenu;
class ListSplitter;
class ObjectListView;
class PlanView;
class QtPrompts;

// The main window intr: the tool column, the name list L, the size labels,
// the web link and the plan K. It owns the editor and lends it the window
// through WindowPort; questions go to the given Prompts (the desktop's
// message boxes unless a test supplies its own).
class MainWindow : public QWidget, public WindowPort
{
    Q_OBJECT

public:
    explicit MainWindow(Prompts *prompts = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    Editor &editor() { return *m_editor; }
    CommandMenu &commands() { return *m_commands; }
    PlanView &planView() { return *m_K; }
    Prompts &prompts() { return *m_prompts; }
    // In the middle of something no command may interrupt: a mouse drag on
    // the plan, or a dialog or question open.
    bool busy() const;

    // The room plan's top-left pixel in the design layout.
    static constexpr QPoint planOrigin {136, 24};
    static constexpr QSize designClientSize {703, 398};

    // WindowPort
    void setSizeLabels(const QString &w, const QString &h) override;
    void setCaption(const QString &caption) override;
    void setListVisible(bool visible) override;
    void setPlanCursor(PlanCursor cursor) override;
    void setDeleteEnabled(bool enabled) override;
    void showSizeDialog(const QString &ob, const QString &w, const QString &h) override;
    void fitWindow(QSize client, int listHeight) override;

    // Makes room files open in this program on the desktop, at every start.
    void mkras();
    // The web link: opens the maker's page.
    void Label1_Click();

protected:
    // With unsaved changes, asks whether to save them first.
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The context menus of the plan and the list, and their commands.
    void buildCommands();
    // Undo (Ctrl+Z) and redo (Ctrl+Shift+Z, Ctrl+Y).
    void addHistoryCommands();
    void buildToolColumn();
    QToolButton *addToolButton(
        const char *name, int topTwips, const QString &icon, const QString &tooltip);
    void setTabOrder();
    void connectButtons();
    // The save dialog in mode "Sav" (save the room) or "Exp" (export the
    // plan), the mode passed through tmpStr.
    void showSaveDialog(const QString &mode);
    // Before the room goes (closing, a new room, another file): with
    // unsaved changes, asks whether to save them. True when the caller may
    // go on: nothing was unsaved, "Нет", or "Да" and a save that went
    // through.
    bool unsavedChangesSettled();
    // The window's frame, as far as it is known yet.
    QSize decoration() const;
    // The last fit made again: the window at the fitted size, or the plan
    // zoomed to fill it while it is maximised.
    void applyFit();
    // The controls placed for the window's size.
    void layOut();
    // The splitter dragged by so far from where it was pressed.
    void widenList(int by);

    // The last fit, done again once the window manager's frame is known.
    QSize m_fitClient;
    int m_fitListHeight = 0;
    QSize m_fitDecoration;
    // The size at which the layout is the design's (the last fit's), and
    // the list's height there.
    QSize m_laidOutFor = designClientSize;
    int m_laidOutListHeight = 0;
    // How much wider the list is wanted, and is shown.
    int m_listWidening = 0;
    int m_shownWidening = 0;
    int m_wideningAtPress = 0;

    std::unique_ptr<QtPrompts> m_ownPrompts;
    Prompts *m_prompts = nullptr;
    std::unique_ptr<Editor> m_editor;
    CommandMenu *m_commands = nullptr;

    ObjectListView *m_L = nullptr;
    ListSplitter *m_splitter = nullptr;
    PlanView *m_K = nullptr;
    QLabel *m_W = nullptr;
    QLabel *m_H = nullptr;
    QLabel *m_Label1 = nullptr;
    QFrame *m_Line1 = nullptr;
    QButtonGroup *m_modes = nullptr;
    QToolButton *m_create = nullptr;
    QToolButton *m_selct = nullptr;
    QToolButton *m_Rsiz = nullptr;
    QToolButton *m_DelObj = nullptr;
    QToolButton *m_btnNew = nullptr;
    QToolButton *m_btnOpen = nullptr;
    QToolButton *m_btnSave = nullptr;
    QToolButton *m_btnExp = nullptr;
};

} // namespace plandex
