#pragma once

#include <thread>

namespace plandex {

// Reads the system's font configuration on a thread of its own. The first
// text the window lays out needs it, and reading it is the largest single
// part of a start; meanwhile the main thread connects to the display and
// builds the window. Joined when the returned thread goes out of scope.
std::jthread warmUpFonts();

} // namespace plandex
