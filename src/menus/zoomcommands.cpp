#include "menus/zoomcommands.h"

#include "menus/commandmenu.h"
#include "view/planview.h"
#include "view/zoomsteps.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace plandex {

namespace {

// The context its texts are translated in.
struct ZoomCommands {
    Q_DECLARE_TR_FUNCTIONS(ZoomCommands)
};

} // namespace

void addZoomCommands(CommandMenu &menu, PlanView &view)
{
    QMenu *zoom = menu.addSubmenu(MenuSection::View, ZoomCommands::tr("Масштаб"));
    menu.addTo(zoom, ZoomCommands::tr("Крупнее"),
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        [&view] { view.setZoom(zoomStepUp(view.zoom())); });
    menu.addTo(zoom, ZoomCommands::tr("Мельче"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        [&view] { view.setZoom(zoomStepDown(view.zoom())); });
    menu.addTo(zoom, ZoomCommands::tr("По размеру окна"), {QKeySequence(Qt::CTRL | Qt::Key_9)},
        [&view] { view.setZoom(view.fittingZoom()); });
    zoom->addSeparator();
    std::vector<QAction *> steps;
    for (const int step : zoomSteps) {
        QList<QKeySequence> keys;
        if (step == plainZoom)
            keys = {QKeySequence(Qt::CTRL | Qt::Key_0)};
        QAction *action = menu.addTo(
            zoom, QString::number(step) + u'%', keys, [&view, step] { view.setZoom(step); });
        action->setCheckable(true);
        steps.push_back(action);
    }
    menu.onShow([&view, steps](MenuPlace) {
        for (size_t i = 0; i < steps.size(); ++i)
            steps[i]->setChecked(zoomSteps[i] == view.zoom());
    });
}

} // namespace plandex
