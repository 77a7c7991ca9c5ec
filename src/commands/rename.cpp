#include "commands/currentobject.h"
#include "commands/objectcommands.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

void renameObject(Editor &editor)
{
    if (!haveCurrentObject(editor))
        return;
    // Its name is what it is: the size dialog changes it.
    if (currentOpening(editor)) {
        editor.prompts().message(
            QCoreApplication::translate("Editor", "Двери, окна и проёмы не переименовываются!"));
        return;
    }
    ObjectTable &table = editor.table();
    const int row = table.selection();
    const ObjectTable::Row before = table.row(row);
    const QString name = askObjectName(editor.prompts(), before.name);
    if (name.isEmpty() || name == before.name)
        return;
    table.rewrite(row, name, before.x, before.y);
    // The row stays current as it was shown: the plan holds no names, so
    // nothing is drawn again.
    WindowState &s = editor.state();
    const bool ready = s.listReady;
    s.listReady = false;
    table.select(row);
    s.listReady = ready;
    editor.history().rowRewritten(row, before);
}

} // namespace plandex
