#pragma once

namespace plandex {

class CommandMenu;
class MainWindow;

// Copy, turn, nudge and delete the current object, and add a standard
// piece of furniture where the plan's menu was opened.
void addObjectCommands(MainWindow &window, CommandMenu &menu);

} // namespace plandex
