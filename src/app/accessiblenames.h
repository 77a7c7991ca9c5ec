#pragma once

class QWidget;

namespace plandex {

// Gives the main window's tool buttons, name list and plan the names and
// descriptions that screen readers announce; nothing visible changes.
void nameForScreenReaders(QWidget &window);

} // namespace plandex
