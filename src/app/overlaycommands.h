#pragma once

#include <QString>

namespace plandex {

class CommandMenu;
class PlanView;

// Where the choice of names and distances over the plan is kept.
inline const QString overlaySetting = QStringLiteral("view/labels");

// "Подписи и размеры" (Ctrl+L): shows or hides the names, sizes and drag
// distances over the plan, and keeps the choice for the next start. Takes
// the kept choice now.
void addOverlayCommands(CommandMenu &menu, PlanView &view);

} // namespace plandex
