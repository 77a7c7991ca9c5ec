#include "menus/filecommands.h"

#include "menus/commandmenu.h"
#include "model/visibletext.h"
#include "plan/editor.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>

namespace plandex {

namespace {

// The context the menu texts are translated in.
struct FileCommands {
    Q_DECLARE_TR_FUNCTIONS(FileCommands)
};

// A run of the button's own click handler, so that whatever the button
// asks or checks first is asked here too.
std::function<void()> clickOf(QWidget &window, const char *button)
{
    return [&window, button] {
        if (auto *b = window.findChild<QAbstractButton *>(button))
            b->click();
    };
}

// The menu's line naming the room's file (path empty: none), as plain text.
QString roomFileItemText(const QString &path)
{
    if (path.isEmpty())
        return FileCommands::tr("Файл: не сохранён");
    // A menu item takes "&" as the mark of its access key and a tab (shown
    // as an escape) as the start of its shortcut.
    QString name = visibleText(QFileInfo(path).fileName());
    name.replace(QLatin1Char('&'), QLatin1String("&&"));
    return FileCommands::tr("Файл: %1").arg(name);
}

} // namespace

void addFileCommands(QWidget &window, Editor &e, CommandMenu &menu)
{
    QAction *file = menu.add(MenuSection::Room, roomFileItemText({}), {}, [] {});
    file->setEnabled(false);
    menu.onShow([&e, file](MenuPlace) { file->setText(roomFileItemText(e.roomFile())); });

    menu.add(MenuSection::Files, FileCommands::tr("Новая комната…"),
        {QKeySequence(Qt::CTRL | Qt::Key_N)}, clickOf(window, "btnNew"));
    menu.add(MenuSection::Files, FileCommands::tr("Открыть…"), {QKeySequence(Qt::CTRL | Qt::Key_O)},
        clickOf(window, "btnOpen"));
    menu.add(MenuSection::Files, FileCommands::tr("Сохранить"),
        {QKeySequence(Qt::CTRL | Qt::Key_S)}, [&e, saveAs = clickOf(window, "btnSave")] {
            if (e.roomFile().isEmpty())
                saveAs();
            else
                e.saveKom(e.roomFile());
        });
    menu.add(MenuSection::Files, FileCommands::tr("Экспорт в BMP…"),
        {QKeySequence(Qt::CTRL | Qt::Key_E)}, clickOf(window, "btnExp"));
}

} // namespace plandex
