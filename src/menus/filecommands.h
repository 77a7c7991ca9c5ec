#pragma once

#include <QString>

namespace plandex {

class CommandMenu;
class MainWindow;

// The file the room belongs to, at the head of the menus, and the file
// buttons' shortcuts: Ctrl+N, Ctrl+O, Ctrl+E do what the buttons do; Ctrl+S
// writes the room back to its file without asking, or shows the save
// dialog for a room that has none yet.
void addFileCommands(MainWindow &window, CommandMenu &menu);

} // namespace plandex
