#include "openings/takengaps.h"

namespace plandex {

bool TakenGaps::take(const Opening &opening)
{
    std::map<qint64, qint64> &taken = m_taken[int(opening.wall)];
    const qint64 start = opening.start, end = qint64(opening.start) + opening.width;
    // Of the gaps starting at or before this one's end, only the last can
    // reach back into it: they lie apart, in order.
    auto after = taken.upper_bound(end);
    if (after != taken.begin() && std::prev(after)->second >= start)
        return false;
    taken.emplace_hint(after, start, end);
    return true;
}

} // namespace plandex
