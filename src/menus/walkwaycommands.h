#pragma once

class QWidget;

namespace plandex {

class CommandMenu;
class PlanView;

// "Проходы" (Ctrl+K): shows or hides over the plan the floor a person of
// the passage width can reach from the doors, the pieces they cannot and
// the tight places on the way; "Ширина прохода…" (Ctrl+Shift+K) asks for
// that width. Both choices are kept for the next start and taken now.
void addWalkwayCommands(QWidget &window, CommandMenu &menu, PlanView &view);

// The passage width kept by "Ширина прохода…", within its limits.
int keptPassage();

} // namespace plandex
