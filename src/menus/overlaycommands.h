#pragma once

namespace plandex {

class CommandMenu;
class PlanView;

// "Подписи и размеры" (Ctrl+L): shows or hides the names, sizes and drag
// distances over the plan, and keeps the choice for the next start. Takes
// the kept choice now.
void addOverlayCommands(CommandMenu &menu, PlanView &view);

} // namespace plandex
