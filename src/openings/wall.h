#pragma once

namespace plandex {

// The room's four walls, for what stands in them and what comes in
// through them.
enum class Wall { Top, Bottom, Left, Right };

// Whether the wall runs along the plan's x (top and bottom).
inline bool runsAlongX(Wall wall)
{
    return wall == Wall::Top || wall == Wall::Bottom;
}

} // namespace plandex
