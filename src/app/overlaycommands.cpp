#include "app/overlaycommands.h"

#include "app/commandmenu.h"
#include "app/planview.h"
#include "app/settings.h"

#include <QAction>
#include <QCoreApplication>

#include <memory>

namespace plandex {

namespace {

// The context its texts are translated in.
struct OverlayCommands {
    Q_DECLARE_TR_FUNCTIONS(OverlayCommands)
};

} // namespace

void addOverlayCommands(CommandMenu &menu, PlanView &view)
{
    view.setOverlay(settingFlag(overlaySetting, false));
    // The command sets its own mark, made after the command.
    auto made = std::make_shared<QAction *>(nullptr);
    QAction *action = menu.add(MenuSection::View, OverlayCommands::tr("Подписи и размеры"),
        {QKeySequence(Qt::CTRL | Qt::Key_L)}, [&view, made] {
            const bool on = !view.overlay();
            view.setOverlay(on);
            (*made)->setChecked(on);
            setSettingFlag(overlaySetting, on);
        });
    *made = action;
    action->setCheckable(true);
    action->setChecked(view.overlay());
    // A shortcut pressed while the window was busy flipped the mark alone.
    menu.onShow([&view, action](MenuPlace) { action->setChecked(view.overlay()); });
}

} // namespace plandex
