#pragma once

#include "openings/opening.h"

#include <map>

namespace plandex {

// The gaps along each wall that openings drawn so far take, so that of
// openings whose gaps share a cm of wall (only a damaged file has them)
// the first alone is drawn, and drawing costs no more than the walls are
// long however many rows the file holds.
class TakenGaps
{
public:
    // True, and the gap taken, when the opening's gap shares no cm with
    // one taken before.
    bool take(const Opening &opening);

private:
    // Per wall, start to end of the gaps taken; they never overlap.
    std::map<qint64, qint64> m_taken[4];
};

} // namespace plandex
