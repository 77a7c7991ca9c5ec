#include "menus/overlaycommands.h"

#include "menus/commandmenu.h"
#include "menus/settings.h"
#include "view/planview.h"

#include <QCoreApplication>

namespace plandex {

namespace {

// Where the choice of names and distances over the plan is kept.
const QString overlaySetting = QStringLiteral("view/labels");

// The context its texts are translated in.
struct OverlayCommands {
    Q_DECLARE_TR_FUNCTIONS(OverlayCommands)
};

} // namespace

void addOverlayCommands(CommandMenu &menu, PlanView &view)
{
    view.setOverlay(settingFlag(overlaySetting, false));
    menu.addToggle(
        MenuSection::View, OverlayCommands::tr("Подписи и размеры"),
        {QKeySequence(Qt::CTRL | Qt::Key_L)}, [&view] { return view.overlay(); },
        [&view](bool on) {
            view.setOverlay(on);
            setSettingFlag(overlaySetting, on);
        });
}

} // namespace plandex
