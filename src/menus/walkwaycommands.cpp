#include "menus/walkwaycommands.h"

#include "menus/commandmenu.h"
#include "menus/settings.h"
#include "view/planview.h"
#include "walkways/roomwalkways.h"

#include <QCoreApplication>
#include <QInputDialog>

#include <algorithm>

namespace plandex {

namespace {

const QString walkwaysSetting = QStringLiteral("view/walkways");
const QString passageSetting = QStringLiteral("view/passage");

// The context its texts are translated in.
struct WalkwayCommands {
    Q_DECLARE_TR_FUNCTIONS(WalkwayCommands)
};

void askPassage(QWidget &window, PlanView &view)
{
    QInputDialog dialog(&window);
    dialog.setWindowTitle(WalkwayCommands::tr("Ширина прохода"));
    dialog.setLabelText(
        WalkwayCommands::tr("Ширина прохода, см (от %1 до %2):").arg(minPassage).arg(maxPassage));
    dialog.setOkButtonText(WalkwayCommands::tr("ОК"));
    dialog.setCancelButtonText(WalkwayCommands::tr("Отмена"));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(minPassage, maxPassage);
    dialog.setIntValue(view.passage());
    if (dialog.exec() != QDialog::Accepted)
        return;
    view.setPassage(dialog.intValue());
    setSettingNumber(passageSetting, view.passage());
}

} // namespace

int keptPassage()
{
    return std::clamp(settingNumber(passageSetting, defaultPassage), minPassage, maxPassage);
}

void addWalkwayCommands(QWidget &window, CommandMenu &menu, PlanView &view)
{
    view.setPassage(keptPassage());
    view.setWalkways(settingFlag(walkwaysSetting, false));
    menu.addToggle(
        MenuSection::View, WalkwayCommands::tr("Проходы"), {QKeySequence(Qt::CTRL | Qt::Key_K)},
        [&view] { return view.walkways(); },
        [&view](bool on) {
            view.setWalkways(on);
            setSettingFlag(walkwaysSetting, on);
        });
    menu.add(MenuSection::View, WalkwayCommands::tr("Ширина прохода…"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K)},
        [&window, &view] { askPassage(window, view); });
}

} // namespace plandex
