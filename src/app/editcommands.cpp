#include "app/editcommands.h"

#include "app/commandmenu.h"
#include "app/mainwindow.h"
#include "app/settings.h"

#include <QAction>
#include <QCoreApplication>

namespace plandex {

namespace {

const QString slideKey = QStringLiteral("edit/slide");

// The context the menu texts are translated in.
struct EditCommands {
    Q_DECLARE_TR_FUNCTIONS(EditCommands)
};

} // namespace

void addEditCommands(MainWindow &window, CommandMenu &menu)
{
    Editor &e = window.editor();
    menu.add(MenuSection::Object, EditCommands::tr("Переименовать…"), {QKeySequence(Qt::Key_F2)},
        [&e] { e.renameObject(); });
    menu.add(MenuSection::Object, EditCommands::tr("Размеры…"),
        {QKeySequence(Qt::CTRL | Qt::Key_M)}, [&e] { e.enterSize(); });

    e.setSliding(settingFlag(slideKey, false));
    QAction *slide = menu.add(MenuSection::View, EditCommands::tr("Прилипание"),
        {QKeySequence(Qt::CTRL | Qt::Key_G)}, [&e] {
            e.setSliding(!e.sliding());
            setSettingFlag(slideKey, e.sliding());
        });
    slide->setCheckable(true);
    slide->setChecked(e.sliding());
    // The action flips its check by itself, also when the window is busy
    // and the command does not run: the editor's flag is what counts.
    QObject::connect(
        slide, &QAction::triggered, slide, [&e, slide] { slide->setChecked(e.sliding()); });
}

} // namespace plandex
