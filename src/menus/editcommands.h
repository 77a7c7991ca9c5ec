#pragma once

namespace plandex {

class CommandMenu;
class Editor;

// Renaming the current object (F2), its size dialog in any mode (Ctrl+M),
// and the choice whether drags slide along what stops them (Ctrl+G), kept
// between runs.
void addEditCommands(Editor &e, CommandMenu &menu);

} // namespace plandex
