#pragma once

class QWidget;

namespace plandex {

// With PLANDEX_STARTUP_PROBE=1 in the environment, the program reports on
// standard output, once the window has been painted for the first time,
//   startup_ms=<ms since the process started, to 10 ms>
//   shown_ns=<CLOCK_MONOTONIC at that moment> rss_kb=<resident memory>
// and quits. With PLANDEX_STARTUP_PROBE=idle it then stays idle for one
// second first and adds idle_timer_events=<timer events delivered in that
// second> and idle_wakeups=<voluntary context switches of the main thread>.
// Without the variable it does nothing.
void armStartupProbe(QWidget &window);

} // namespace plandex
