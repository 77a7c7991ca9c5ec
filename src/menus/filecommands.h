#pragma once

class QWidget;

namespace plandex {

class CommandMenu;
class Editor;

// The file the room belongs to, at the head of the menus, and the file
// buttons' shortcuts: Ctrl+N, Ctrl+O, Ctrl+E do what the buttons do; Ctrl+S
// writes the room back to its file without asking, or shows the save
// dialog for a room that has none yet. The buttons are window's children
// of those names.
void addFileCommands(QWidget &window, Editor &e, CommandMenu &menu);

} // namespace plandex
