#include "menus/editcommands.h"

#include "commands/objectcommands.h"
#include "menus/commandmenu.h"
#include "menus/settings.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

namespace {

const QString slideKey = QStringLiteral("edit/slide");

// The context the menu texts are translated in.
struct EditCommands {
    Q_DECLARE_TR_FUNCTIONS(EditCommands)
};

} // namespace

void addEditCommands(Editor &e, CommandMenu &menu)
{
    menu.add(MenuSection::Object, EditCommands::tr("Переименовать…"), {QKeySequence(Qt::Key_F2)},
        [&e] { renameObject(e); });
    menu.add(MenuSection::Object, EditCommands::tr("Размеры…"),
        {QKeySequence(Qt::CTRL | Qt::Key_M)}, [&e] { enterSize(e); });

    e.setSliding(settingFlag(slideKey, false));
    menu.addToggle(
        MenuSection::View, EditCommands::tr("Прилипание"), {QKeySequence(Qt::CTRL | Qt::Key_G)},
        [&e] { return e.sliding(); },
        [&e](bool on) {
            e.setSliding(on);
            setSettingFlag(slideKey, on);
        });
}

} // namespace plandex
