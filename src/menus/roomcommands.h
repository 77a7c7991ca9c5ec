#pragma once

class QWidget;

namespace plandex {

class CommandMenu;
class Editor;

// "Размеры комнаты…" (Ctrl+Shift+M): the room's size in the size dialog,
// changed with every object kept.
void addRoomCommands(QWidget &window, Editor &editor, CommandMenu &menu);

} // namespace plandex
