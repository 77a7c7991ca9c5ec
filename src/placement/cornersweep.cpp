#include "placement/cornersweep.h"

#include <array>
#include <bit>

namespace plandex {

namespace {

// Each bit of a byte widened to the eight bits it stands for.
constexpr std::array<quint64, 256> widenedBits = [] {
    std::array<quint64, 256> wide {};
    for (int m = 0; m < 256; ++m)
        for (int k = 0; k < 8; ++k)
            if (m >> k & 1)
                wide[size_t(m)] |= quint64(0xFF) << (8 * k);
    return wide;
}();

// How many spans cover each corner of one line. Corners come in groups of
// 8 and groups of 64: a span counts once for each group of 64 it covers
// whole, once for each group of 8 it covers whole in the rest, and once for
// each corner left over at its two ends: at most 28 steps and one per 64
// corners, however the spans lie. Bits tell which counts are zero.
class CoverLine
{
public:
    explicit CoverLine(int n)
        : m_corner(size_t(n), 0)
        , m_eight(size_t(n / 8 + 1), 0)
        , m_sixtyFour(size_t(n / 64 + 1), 0)
        , m_cornerZero(size_t(n / 64 + 1), ~quint64(0))
        , m_eightZero(size_t(n / 64 + 1), 0xFF)
    {
        // Past the end nothing is ever free.
        m_cornerZero.back() = n % 64 ? (quint64(1) << (n % 64)) - 1 : 0;
    }

    // Adds delta to the counts of from..to.
    void add(int from, int to, int delta)
    {
        for (; from <= to && from % 8; ++from)
            addCorner(from, delta);
        for (; to >= from && (to + 1) % 8; --to)
            addCorner(to, delta);
        int first = from / 8, last = (to + 1) / 8 - 1;
        for (; first <= last && first % 8; ++first)
            addEight(first, delta);
        for (; last >= first && (last + 1) % 8; --last)
            addEight(last, delta);
        for (int g = first / 8; g <= last / 8 && first <= last; ++g)
            m_sixtyFour[size_t(g)] += delta;
    }

    // The first free corner at or after at, the last at or before it; -1
    // when none.
    int firstFreeFrom(int at) const
    {
        for (int g = at / 64; g < int(m_cornerZero.size()); ++g) {
            quint64 free = freeIn(g);
            if (g == at / 64)
                free &= ~quint64(0) << (at % 64);
            if (free)
                return g * 64 + std::countr_zero(free);
        }
        return -1;
    }
    int lastFreeUpTo(int at) const
    {
        for (int g = at / 64; g >= 0; --g) {
            quint64 free = freeIn(g);
            if (g == at / 64 && at % 64 != 63)
                free &= (quint64(1) << (at % 64 + 1)) - 1;
            if (free)
                return g * 64 + 63 - std::countl_zero(free);
        }
        return -1;
    }

private:
    quint64 freeIn(int g) const
    {
        return m_sixtyFour[size_t(g)]
            ? 0
            : m_cornerZero[size_t(g)] & widenedBits[m_eightZero[size_t(g)]];
    }
    void addCorner(int x, int delta)
    {
        const quint64 bit = quint64(1) << (x % 64);
        quint64 &zero = m_cornerZero[size_t(x / 64)];
        zero = (zero & ~bit) | ((m_corner[size_t(x)] += delta) == 0 ? bit : 0);
    }
    void addEight(int e, int delta)
    {
        const int bit = 1 << (e % 8);
        quint8 &zero = m_eightZero[size_t(e / 8)];
        zero = quint8((zero & ~bit) | ((m_eight[size_t(e)] += delta) == 0 ? bit : 0));
    }

    std::vector<int> m_corner;
    std::vector<int> m_eight;
    std::vector<int> m_sixtyFour;
    std::vector<quint64> m_cornerZero;
    std::vector<quint8> m_eightZero;
};

} // namespace

// The nearest corner of the window that no span covers, topmost then
// leftmost among equals: a sweep down the window's lines, each span
// entering the line count at its top line and leaving after its bottom.
FoundCorner nearestUncovered(
    const CornerWindow &win, const std::vector<WindowSpan> &spans, QPoint target)
{
    const int width = int(win.x2 - win.x1 + 1), lines = int(win.y2 - win.y1 + 1);
    struct Change {
        int from, to, delta;
    };
    // Changes sorted by line with one counting pass; a span that leaves
    // after the last line leaves into one more, never read.
    std::vector<int> startOf(size_t(lines) + 2, 0);
    for (const WindowSpan &s : spans) {
        ++startOf[size_t(s.y1)];
        ++startOf[size_t(s.y2) + 1];
    }
    int total = 0;
    for (int &n : startOf) {
        const int here = n;
        n = total;
        total += here;
    }
    std::vector<Change> changes(static_cast<size_t>(total));
    std::vector<int> next(startOf.begin(), startOf.end());
    for (const WindowSpan &s : spans) {
        changes[size_t(next[size_t(s.y1)]++)] = {s.x1, s.x2, 1};
        changes[size_t(next[size_t(s.y2) + 1]++)] = {s.x1, s.x2, -1};
    }

    CoverLine line(width);
    FoundCorner best;
    const int at = int(std::clamp<qint64>(target.x() - win.x1, 0, width - 1));
    int left = -1, right = -1;
    for (int i = 0; i < lines; ++i) {
        const qint64 y = win.y1 + i, dy = y - target.y();
        // Lines further down are only further away.
        if (best.distance2 >= 0 && dy > 0 && dy * dy >= best.distance2)
            break;
        // A line without changes has the free corners of the one above.
        if (i == 0 || startOf[size_t(i)] < startOf[size_t(i) + 1]) {
            for (int c = startOf[size_t(i)]; c < startOf[size_t(i) + 1]; ++c)
                line.add(changes[size_t(c)].from, changes[size_t(c)].to, changes[size_t(c)].delta);
            left = line.lastFreeUpTo(at);
            right = line.firstFreeFrom(at);
        }
        if (left < 0 && right < 0)
            continue;
        const auto distance2 = [&](int x) {
            const qint64 dx = win.x1 + x - target.x();
            return dx * dx + dy * dy;
        };
        // The left one wins a tie.
        const int x
            = right < 0 || (left >= 0 && distance2(left) <= distance2(right)) ? left : right;
        const qint64 d2 = distance2(x);
        if (best.distance2 < 0 || d2 < best.distance2)
            best = {d2, win.x1 + x, y};
    }
    return best;
}

} // namespace plandex
