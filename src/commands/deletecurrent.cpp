#include "commands/currentobject.h"
#include "commands/objectcommands.h"
#include "plan/editor.h"

namespace plandex {

void deleteCurrent(Editor &editor)
{
    if (haveCurrentObject(editor))
        editor.DelObj_Click();
}

} // namespace plandex
