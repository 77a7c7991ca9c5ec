#pragma once

namespace plandex {

class CommandMenu;
class MainWindow;

// Renaming the current object (F2), its size dialog in any mode (Ctrl+M),
// and the choice whether drags slide along what stops them (Ctrl+G), kept
// between runs.
void addEditCommands(MainWindow &window, CommandMenu &menu);

} // namespace plandex
