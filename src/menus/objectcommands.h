#pragma once

namespace plandex {

class CommandMenu;
class Editor;

// Copy, turn, nudge and delete the current object, and add a standard
// piece of furniture where the plan's menu was opened.
void addObjectCommands(Editor &e, CommandMenu &menu);

} // namespace plandex
