#pragma once

#include <QSize>

#include <array>

namespace plandex {

// The steps the plan can be shown at, in percent of its size at 1 cm = 1
// pixel of the screen.
inline constexpr std::array<int, 8> zoomSteps {25, 50, 100, 200, 300, 400, 600, 800};
inline constexpr int plainZoom = 100;

// The next step above or below percent; the last one at either end.
int zoomStepUp(int percent);
int zoomStepDown(int percent);
// The plan's size on the screen at percent: every centimetre it touches.
QSize zoomedSize(QSize room, int percent);
// The largest step at which the whole room shows in space; the smallest
// step when none does.
int fittingZoom(QSize room, QSize space);

} // namespace plandex
