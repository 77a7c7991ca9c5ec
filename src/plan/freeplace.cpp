#include "plan/freeplace.h"

#include "model/geometry.h"
#include "model/objecttable.h"

#include <algorithm>
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

// How many spans cover each corner of one line, with the free corner
// nearest to a given one found in logarithmic time. Each node keeps the
// least count of its leaves less what its ancestors added to all of them.
class CoverLine
{
public:
    explicit CoverLine(int n)
    {
        while (m_leaves < n)
            m_leaves *= 2;
        m_least.assign(size_t(2 * m_leaves), 0);
        m_added.assign(size_t(m_leaves), 0);
        // Past the end nothing is ever free.
        for (int i = n; i < m_leaves; ++i)
            m_least[size_t(m_leaves + i)] = 1 << 30;
        for (int p = m_leaves - 1; p > 0; --p)
            m_least[size_t(p)] = std::min(m_least[size_t(2 * p)], m_least[size_t(2 * p + 1)]);
    }

    // Adds delta to the counts of from..to.
    void add(int from, int to, int delta)
    {
        int l = from + m_leaves, r = to + m_leaves + 1;
        const int l0 = l, r0 = r - 1;
        for (; l < r; l /= 2, r /= 2) {
            if (l & 1)
                apply(l++, delta);
            if (r & 1)
                apply(--r, delta);
        }
        pull(l0);
        pull(r0);
    }

    bool anyFree() const { return m_least[1] == 0; }
    // The first free corner at or after at, the last at or before it; -1
    // when none.
    int firstFreeFrom(int at) const { return first(1, 0, m_leaves - 1, at, 0); }
    int lastFreeUpTo(int at) const { return last(1, 0, m_leaves - 1, at, 0); }

private:
    void apply(int p, int delta)
    {
        m_least[size_t(p)] += delta;
        if (p < m_leaves)
            m_added[size_t(p)] += delta;
    }
    void pull(int p)
    {
        for (p /= 2; p > 0; p /= 2)
            m_least[size_t(p)]
                = std::min(m_least[size_t(2 * p)], m_least[size_t(2 * p + 1)]) + m_added[size_t(p)];
    }
    int first(int p, int lo, int hi, int at, int above) const
    {
        if (hi < at || m_least[size_t(p)] + above > 0)
            return -1;
        if (p >= m_leaves)
            return lo;
        above += m_added[size_t(p)];
        const int mid = (lo + hi) / 2;
        const int found = first(2 * p, lo, mid, at, above);
        return found >= 0 ? found : first(2 * p + 1, mid + 1, hi, at, above);
    }
    int last(int p, int lo, int hi, int at, int above) const
    {
        if (lo > at || m_least[size_t(p)] + above > 0)
            return -1;
        if (p >= m_leaves)
            return lo;
        above += m_added[size_t(p)];
        const int mid = (lo + hi) / 2;
        const int found = last(2 * p + 1, mid + 1, hi, at, above);
        return found >= 0 ? found : last(2 * p, lo, mid, at, above);
    }

    int m_leaves = 1;
    std::vector<int> m_least;
    std::vector<int> m_added;
};

// The corners searched at once: a rectangle of them, bounds included.
struct CornerWindow {
    qint64 x1, y1, x2, y2;

    bool empty() const { return x1 > x2 || y1 > y2; }
    bool clip(CornerSpan &s) const
    {
        s = {std::max(s.x1, x1), std::max(s.y1, y1), std::min(s.x2, x2), std::min(s.y2, y2)};
        return s.x1 <= s.x2 && s.y1 <= s.y2;
    }
};

struct Found {
    qint64 distance2 = -1;
    qint64 x = 0, y = 0;
};

// The nearest corner of the window that no span covers, topmost then
// leftmost among equals: a sweep down the window's lines, each span
// entering the line count at its top line and leaving after its bottom.
Found nearestUncovered(const CornerWindow &win, const std::vector<CornerSpan> &spans, QPoint target)
{
    const int width = int(win.x2 - win.x1 + 1), lines = int(win.y2 - win.y1 + 1);
    struct Change {
        int from, to, delta;
    };
    // Changes sorted by line with one counting pass.
    std::vector<int> startOf(size_t(lines) + 1, 0);
    for (const CornerSpan &s : spans) {
        ++startOf[size_t(s.y1 - win.y1)];
        if (s.y2 < win.y2)
            ++startOf[size_t(s.y2 + 1 - win.y1)];
    }
    int total = 0;
    for (int &n : startOf) {
        const int here = n;
        n = total;
        total += here;
    }
    std::vector<Change> changes(static_cast<size_t>(total));
    std::vector<int> next(startOf.begin(), startOf.end() - 1);
    for (const CornerSpan &s : spans) {
        const int from = int(s.x1 - win.x1), to = int(s.x2 - win.x1);
        changes[size_t(next[size_t(s.y1 - win.y1)]++)] = {from, to, 1};
        if (s.y2 < win.y2)
            changes[size_t(next[size_t(s.y2 + 1 - win.y1)]++)] = {from, to, -1};
    }

    CoverLine line(width);
    Found best;
    const int at = int(std::clamp<qint64>(target.x() - win.x1, 0, width - 1));
    for (int i = 0; i < lines; ++i) {
        const qint64 y = win.y1 + i, dy = y - target.y();
        // Lines further down are only further away.
        if (best.distance2 >= 0 && dy > 0 && dy * dy >= best.distance2)
            break;
        for (int c = startOf[size_t(i)]; c < startOf[size_t(i + 1)]; ++c)
            line.add(changes[size_t(c)].from, changes[size_t(c)].to, changes[size_t(c)].delta);
        if (!line.anyFree())
            continue;
        const int left = line.lastFreeUpTo(at), right = line.firstFreeFrom(at);
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

    std::vector<CornerSpan> spans;
    auto spansIn = [&](const CornerWindow &win) {
        return [&spans, win](CornerSpan s) {
            if (win.clip(s))
                spans.push_back(s);
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
        const CornerWindow win {std::max(room.x1, wanted.target.x() - reach),
            std::max(room.y1, wanted.target.y() - reach),
            std::min(room.x2, wanted.target.x() + reach),
            std::min(room.y2, wanted.target.y() + reach)};
        const bool whole
            = win.x1 == room.x1 && win.y1 == room.y1 && win.x2 == room.x2 && win.y2 == room.y2;
        if (win.empty())
            continue;
        spans.clear();
        const auto add = spansIn(win);
        // The floor the boxes of these corners cover.
        const double fx1 = win.x1, fy1 = win.y1, fx2 = win.x2 + w, fy2 = win.y2 + h;
        if ((fx2 - fx1 + 1) * (fy2 - fy1 + 1) * 4 >= roomArea) {
            for (int i = 0; i < rows; ++i) {
                if (i != wanted.exemptRow)
                    cornersMeeting(places.box(i), w, h, add);
            }
        } else {
            seen.assign(size_t(rows), 0);
            places.anyNear(fx1, fy1, fx2, fy2, [&](int i) {
                if (i != wanted.exemptRow && !seen[size_t(i)]) {
                    seen[size_t(i)] = 1;
                    cornersMeeting(places.box(i), w, h, add);
                }
                return false;
            });
        }
        const Found f = nearestUncovered(win, spans, wanted.target);
        if (f.distance2 >= 0 && (whole || f.distance2 <= reach * reach))
            return toPoint(f);
        if (whole)
            return std::nullopt;
    }
}

} // namespace plandex
