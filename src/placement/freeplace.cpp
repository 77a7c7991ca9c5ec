#include "placement/freeplace.h"

#include "model/geometry.h"
#include "model/objecttable.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace plandex {

namespace {

// Top-left corners of the box, a closed rectangle of them.
struct CornerSpan {
    qint64 x1, y1, x2, y2;
};

// The corners at which the box meets row rectangle o: one span per
// condition of the collision test, each being a conjunction of bounds on
// the box's edges, which are the corner shifted by the box's size.
template<typename Take>
void cornersMeeting(const SpatialIndex::Box &o, qint64 w, qint64 h, Take take)
{
    const qint64 l = o.left, t = o.top, r = o.right, b = o.bottom;
    if (l <= r && t <= b) {
        // In order, the six together are the plain intersection.
        take(CornerSpan {l - w, t - h, r, b});
        return;
    }
    take(CornerSpan {l, t - h, r, b}); // left edge crosses it
    take(CornerSpan {l - w, t - h, r - w, b - h}); // bottom-right corner in it
    take(CornerSpan {l - w, t, r - w, b}); // top-right corner in it
    take(CornerSpan {r - w, t - h, l, t}); // spans it across its top
    take(CornerSpan {r - w, t, l, b}); // spans it, top edge inside
    take(CornerSpan {l - w, b - h, r - w, t}); // right edge crosses it
}

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

// A span within a window, counted from the window's top-left corner.
struct WindowSpan {
    int x1, y1, x2, y2;
};

// The corners searched at once: a rectangle of them, bounds included.
struct CornerWindow {
    qint64 x1, y1, x2, y2;

    bool empty() const { return x1 > x2 || y1 > y2; }
    // The part of s within the window, if any.
    bool clip(const CornerSpan &s, WindowSpan &in) const
    {
        const qint64 l = std::max(s.x1, x1), t = std::max(s.y1, y1);
        const qint64 r = std::min(s.x2, x2), b = std::min(s.y2, y2);
        in = {int(l - x1), int(t - y1), int(r - x1), int(b - y1)};
        return l <= r && t <= b;
    }
};

struct Found {
    qint64 distance2 = -1;
    qint64 x = 0, y = 0;
};

// The nearest corner of the window that no span covers, topmost then
// leftmost among equals: a sweep down the window's lines, each span
// entering the line count at its top line and leaving after its bottom.
Found nearestUncovered(const CornerWindow &win, const std::vector<WindowSpan> &spans, QPoint target)
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
    Found best;
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

} // namespace

std::optional<QPoint> nearestFreePlace(
    const ObjectTable &table, const PlaceWanted &wanted, const SpatialIndex::Box &scanStart)
{
    const qint64 w = wanted.width, h = wanted.height;
    if (w < 0 || h < 0)
        return std::nullopt;
    // The room test: 0 <= left, right <= room width, the same downwards.
    const CornerWindow room {0, 0, wanted.room.width() - w, wanted.room.height() - h};
    if (room.empty())
        return std::nullopt;

    std::vector<WindowSpan> spans;
    auto spansIn = [&](const CornerWindow &win) {
        return [&spans, win](const CornerSpan &s) {
            WindowSpan in;
            if (win.clip(s, in))
                spans.push_back(in);
        };
    };
    const auto toPoint = [](const Found &f) { return QPoint(int(f.x), int(f.y)); };
    const int rows = table.count();
    const SpatialIndex &places = table.places();

    if (!places.usable()) {
        // Rows read the way the collision test's scan reads them.
        SpatialIndex::Box v = scanStart;
        for (int i = 0; i < rows; ++i) {
            if (i == wanted.exemptRow)
                continue;
            readRect(table.row(i), v.left, v.top, v.right, v.bottom);
            cornersMeeting(v, w, h, spansIn(room));
        }
        const Found f = nearestUncovered(room, spans, wanted.target);
        return f.distance2 >= 0 ? std::optional(toPoint(f)) : std::nullopt;
    }

    // Growing squares around the target: a place found within reach of it
    // is the nearest, since everything outside the square is further.
    const qint64 roomArea = qint64(wanted.room.width()) * wanted.room.height();
    std::vector<char> seen;
    for (qint64 reach = 16;; reach *= 4) {
        CornerWindow win {std::max(room.x1, wanted.target.x() - reach),
            std::max(room.y1, wanted.target.y() - reach),
            std::min(room.x2, wanted.target.x() + reach),
            std::min(room.y2, wanted.target.y() + reach)};
        if (win.empty())
            continue;
        // The floor the boxes of these corners cover; once that is much of
        // the room, every row is read anyway, so the whole room is searched.
        const double floorArea = double(win.x2 - win.x1 + 1 + w) * double(win.y2 - win.y1 + 1 + h);
        if (floorArea * 4 >= roomArea)
            win = room;
        bool whole
            = win.x1 == room.x1 && win.y1 == room.y1 && win.x2 == room.x2 && win.y2 == room.y2;
        spans.clear();
        if (!whole) {
            // Past as many rows as the table holds, reading them all costs
            // less than going on.
            qint64 visits = 0;
            seen.assign(size_t(rows), 0);
            const auto add = spansIn(win);
            whole = places.anyNear(
                double(win.x1), double(win.y1), double(win.x2 + w), double(win.y2 + h), [&](int i) {
                    if (++visits > rows)
                        return true;
                    if (i != wanted.exemptRow && !seen[size_t(i)]) {
                        seen[size_t(i)] = 1;
                        cornersMeeting(places.box(i), w, h, add);
                    }
                    return false;
                });
            if (whole) {
                win = room;
                spans.clear();
            }
        }
        if (whole) {
            const auto add = spansIn(win);
            for (int i = 0; i < rows; ++i) {
                if (i != wanted.exemptRow)
                    cornersMeeting(places.box(i), w, h, add);
            }
        }
        const Found f = nearestUncovered(win, spans, wanted.target);
        if (f.distance2 >= 0 && (whole || f.distance2 <= reach * reach))
            return toPoint(f);
        if (whole)
            return std::nullopt;
    }
}

} // namespace plandex
