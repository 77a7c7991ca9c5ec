#pragma once

namespace plandex {

// Plan colours as 0xRRGGBB. Black is free floor; the point query's -1
// means "outside the plan".
namespace colors {
inline constexpr int black = 0x000000;
inline constexpr int blue = 0x0000FF; // an object
inline constexpr int green = 0x00FF00; // the current or dragged object
inline constexpr int white = 0xFFFFFF; // the rubber band of a new object
inline constexpr int opening = 0xFF8000; // a door's, window's or opening's symbol
inline constexpr int currentOpening = 0xFFFF00; // the current or dragged one's
} // namespace colors

} // namespace plandex
