#include "menus/roomcommands.h"

#include "commands/roomcommands.h"
#include "dialogs/roomsizedialog.h"
#include "menus/commandmenu.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

namespace {

// The context its texts are translated in.
struct RoomCommands {
    Q_DECLARE_TR_FUNCTIONS(RoomCommands)
};

} // namespace

void addRoomCommands(QWidget &window, Editor &editor, CommandMenu &menu)
{
    menu.add(MenuSection::Room, RoomCommands::tr("Размеры комнаты…"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)}, [&window, &editor] {
            RoomSizeDialog dialog(editor, editor.prompts(), &window);
            if (dialog.exec() == QDialog::Accepted)
                resizeRoomTo(editor, dialog.roomWidth(), dialog.roomHeight());
        });
}

} // namespace plandex
