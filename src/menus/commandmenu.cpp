#include "menus/commandmenu.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

#include <algorithm>

namespace plandex {

CommandMenu::CommandMenu(QWidget &window, std::function<bool()> busy)
    : QObject(&window)
    , m_window(window)
    , m_busy(std::move(busy))
{ }

CommandMenu::~CommandMenu()
{
    delete m_planMenu;
    delete m_listMenu;
}

QAction *CommandMenu::guarded(
    const QString &text, const QList<QKeySequence> &shortcuts, std::function<void()> run)
{
    auto *action = new QAction(text, &m_window);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
        if (!m_busy())
            run();
    });
    m_window.addAction(action);
    return action;
}

QAction *CommandMenu::add(MenuSection section, const QString &text,
    const QList<QKeySequence> &shortcuts, std::function<void()> run, bool planOnly)
{
    QAction *action = guarded(text, shortcuts, std::move(run));
    m_entries.push_back({section, action, nullptr, planOnly});
    return action;
}

QMenu *CommandMenu::addSubmenu(MenuSection section, const QString &title, bool planOnly)
{
    auto *menu = new QMenu(title, &m_window);
    m_entries.push_back({section, nullptr, menu, planOnly});
    return menu;
}

QAction *CommandMenu::addTo(QMenu *submenu, const QString &text,
    const QList<QKeySequence> &shortcuts, std::function<void()> run)
{
    QAction *action = guarded(text, shortcuts, std::move(run));
    submenu->addAction(action);
    return action;
}

QAction *CommandMenu::addToggle(MenuSection section, const QString &text,
    const QList<QKeySequence> &shortcuts, std::function<bool()> isOn,
    std::function<void(bool on)> set)
{
    QAction *action = add(section, text, shortcuts, [isOn, set] { set(!isOn()); });
    action->setCheckable(true);
    action->setChecked(isOn());
    // After the command's own connection: the mark follows what it did.
    connect(action, &QAction::triggered, action, [action, isOn] { action->setChecked(isOn()); });
    return action;
}

void CommandMenu::onShow(std::function<void(MenuPlace)> update)
{
    m_updates.push_back(std::move(update));
}

QMenu *CommandMenu::menuFor(MenuPlace place)
{
    QMenu *&menu = place == MenuPlace::Plan ? m_planMenu : m_listMenu;
    if (menu)
        return menu;
    menu = new QMenu;
    menu->setObjectName(place == MenuPlace::Plan ? "planMenu" : "listMenu");
    std::vector<Entry> entries = m_entries;
    std::stable_sort(entries.begin(), entries.end(),
        [](const Entry &a, const Entry &b) { return a.section < b.section; });
    const Entry *last = nullptr;
    for (const Entry &entry : entries) {
        if (entry.planOnly && place != MenuPlace::Plan)
            continue;
        if (last && entry.section != last->section)
            menu->addSeparator();
        last = &entry;
        if (entry.action)
            menu->addAction(entry.action);
        else
            menu->addMenu(entry.menu);
    }
    return menu;
}

QMenu *CommandMenu::shown() const
{
    for (QMenu *menu : {m_planMenu, m_listMenu})
        if (menu && menu->isVisible())
            return menu;
    return nullptr;
}

void CommandMenu::popup(MenuPlace place, QPoint global, QPointF at)
{
    if (m_busy() || m_entries.empty())
        return;
    if (place == MenuPlace::Plan)
        m_planPoint = at;
    for (const auto &update : m_updates)
        update(place);
    menuFor(place)->popup(global);
}

void CommandMenu::listenToKeys(QWidget *view, MenuPlace place, std::function<QPoint()> anchor,
    std::function<QPointF(QPoint)> plan)
{
    m_keyed.push_back({view, place, std::move(anchor), std::move(plan)});
    view->installEventFilter(this);
}

bool CommandMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
    const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
    if (!menuKey && !shiftF10)
        return false;
    for (const KeyedView &keyed : m_keyed) {
        if (keyed.view != watched)
            continue;
        const QPoint at = keyed.anchor();
        popup(keyed.place, keyed.view->mapToGlobal(at), keyed.plan ? keyed.plan(at) : QPointF());
        return true;
    }
    return false;
}

} // namespace plandex
