#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointF>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace plandex {

// Which context menu is asked for.
enum class MenuPlace { Plan, List };

// The groups of a menu, in their order; a line parts them.
enum class MenuSection { Room, Object, History, View, Files, Output };

// The commands beyond the tool buttons. Each is a shortcut that works
// anywhere in the main window and an item of the context menus of the plan
// and the list; the window itself keeps its layout. No command runs while
// the window is busy: a mouse drag on the plan, or a dialog open.
class CommandMenu : public QObject
{
    Q_OBJECT

public:
    CommandMenu(QWidget &window, std::function<bool()> busy);
    ~CommandMenu() override;

    // A command with its shortcuts, at the end of its section, in both
    // menus unless planOnly.
    QAction *add(MenuSection section, const QString &text, const QList<QKeySequence> &shortcuts,
        std::function<void()> run, bool planOnly = false);
    // A submenu at the end of its section, in the plan's menu only unless
    // planOnly is false.
    QMenu *addSubmenu(MenuSection section, const QString &title, bool planOnly = true);
    // A command with its shortcuts, as add() makes it, as an item of
    // submenu.
    QAction *addTo(QMenu *submenu, const QString &text, const QList<QKeySequence> &shortcuts,
        std::function<void()> run);
    // A checkable command, as add() makes it, that turns what isOn() tells
    // with set(). Its mark always shows isOn(): Qt flips a mark before the
    // command runs, also when a busy window keeps it from running.
    QAction *addToggle(MenuSection section, const QString &text,
        const QList<QKeySequence> &shortcuts, std::function<bool()> isOn,
        std::function<void(bool on)> set);
    // Called before a menu shows, to bring texts and checks up to date. An
    // action disabled here stays so for its shortcut too: keep enabled
    // states true at all times instead (or leave the action enabled and let
    // the command say why it cannot be done).
    void onShow(std::function<void(MenuPlace)> update);

    // Opens the menu of place at the global point; for the plan, at is the
    // plan point it was opened on. Nothing opens while the window is busy.
    void popup(MenuPlace place, QPoint global, QPointF at = {});
    // The plan point where the plan's menu was last opened.
    QPointF planPoint() const { return m_planPoint; }
    // The menu on screen, if any.
    QMenu *shown() const;

    // Opens view's menu from the keyboard (the Menu key, Shift+F10) at the
    // point anchor gives, in view's coordinates; for the plan, plan gives
    // the plan point there.
    void listenToKeys(QWidget *view, MenuPlace place, std::function<QPoint()> anchor,
        std::function<QPointF(QPoint)> plan = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry {
        MenuSection section;
        QAction *action = nullptr;
        QMenu *menu = nullptr;
        bool planOnly = false;
    };
    struct KeyedView {
        QWidget *view;
        MenuPlace place;
        std::function<QPoint()> anchor;
        std::function<QPointF(QPoint)> plan;
    };
    QMenu *menuFor(MenuPlace place);
    // A window-wide action that runs only while the window is not busy.
    QAction *guarded(
        const QString &text, const QList<QKeySequence> &shortcuts, std::function<void()> run);

    QWidget &m_window;
    std::function<bool()> m_busy;
    std::vector<Entry> m_entries;
    std::vector<std::function<void(MenuPlace)>> m_updates;
    std::vector<KeyedView> m_keyed;
    // Built when first shown: nothing of them costs the start.
    QMenu *m_planMenu = nullptr;
    QMenu *m_listMenu = nullptr;
    QPointF m_planPoint;
};

} // namespace plandex
