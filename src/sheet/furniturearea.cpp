#include "sheet/furniturearea.h"

#include "drawing/objectsinarea.h"
#include "model/objecttable.h"
#include "openings/opening.h"

#include <algorithm>
#include <vector>

namespace plandex {

namespace {

// Covered length along y over the slabs between sorted y values: a
// segment tree whose nodes count the rectangles covering them whole.
class CoveredLength
{
public:
    explicit CoveredLength(std::vector<qint64> ys)
        : m_ys(std::move(ys))
        , m_count(4 * m_ys.size())
        , m_length(4 * m_ys.size())
    { }

    void add(qint64 y1, qint64 y2, int delta)
    {
        const auto slab = [this](qint64 y) {
            return int(std::lower_bound(m_ys.begin(), m_ys.end(), y) - m_ys.begin());
        };
        update(1, 0, int(m_ys.size()) - 1, slab(y1), slab(y2), delta);
    }
    qint64 length() const { return m_length[1]; }

private:
    // Node covers the slabs [lo, hi), between m_ys[lo] and m_ys[hi].
    void update(size_t node, int lo, int hi, int from, int to, int delta)
    {
        if (to <= lo || hi <= from || lo >= hi)
            return;
        if (from <= lo && hi <= to) {
            m_count[node] += delta;
        } else {
            const int mid = (lo + hi) / 2;
            update(2 * node, lo, mid, from, to, delta);
            update(2 * node + 1, mid, hi, from, to, delta);
        }
        if (m_count[node] > 0)
            m_length[node] = m_ys[size_t(hi)] - m_ys[size_t(lo)];
        else if (hi - lo == 1)
            m_length[node] = 0;
        else
            m_length[node] = m_length[2 * node] + m_length[2 * node + 1];
    }

    std::vector<qint64> m_ys;
    std::vector<int> m_count;
    std::vector<qint64> m_length;
};

struct Edge {
    qint64 x, y1, y2;
    int delta;
};

} // namespace

qint64 furnitureArea(const ObjectTable &table, QSize room)
{
    std::vector<Edge> edges;
    std::vector<qint64> ys;
    const QRectF floor(0, 0, room.width(), room.height());
    forEachObjectIn(
        table, floor,
        [&](int row, const ObjectRect &r) {
            // A door's swing is floor kept free, not furniture.
            if (openingOfRow(table.row(row), room))
                return;
            const qint64 x1 = std::max<qint64>(0, std::min(r.left, r.right));
            const qint64 x2 = std::min<qint64>(room.width(), std::max(r.left, r.right));
            const qint64 y1 = std::max<qint64>(0, std::min(r.top, r.bottom));
            const qint64 y2 = std::min<qint64>(room.height(), std::max(r.top, r.bottom));
            if (x1 >= x2 || y1 >= y2)
                return;
            edges.push_back({x1, y1, y2, 1});
            edges.push_back({x2, y1, y2, -1});
            ys.push_back(y1);
            ys.push_back(y2);
        },
        Lookup::Walk);
    if (edges.empty())
        return 0;
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::sort(edges.begin(), edges.end(), [](const Edge &a, const Edge &b) { return a.x < b.x; });

    CoveredLength covered(std::move(ys));
    qint64 area = 0;
    qint64 lastX = edges.front().x;
    for (const Edge &e : edges) {
        area += covered.length() * (e.x - lastX);
        lastX = e.x;
        covered.add(e.y1, e.y2, e.delta);
    }
    return area;
}

} // namespace plandex
