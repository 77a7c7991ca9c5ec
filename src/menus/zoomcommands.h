#pragma once

namespace plandex {

class CommandMenu;
class PlanView;

// "Масштаб" in the plan's menu: one step larger (Ctrl+=, Ctrl++) or
// smaller (Ctrl+-), "По размеру окна" (Ctrl+9), and every step, the current
// one marked, 100% also on Ctrl+0. The view starts at 100% each time.
void addZoomCommands(CommandMenu &menu, PlanView &view);

} // namespace plandex
