#include "walkways/walkways.h"

#include <algorithm>

namespace plandex {

namespace {

// A piece's cells inside the room: columns left..right-1, rows top..bottom-1.
struct Cells {
    int left, top, right, bottom;
};

Cells cellsInRoom(const Edges &piece, QSize room)
{
    const Edges e = Edges::ordered(piece.left, piece.top, piece.right, piece.bottom);
    return {int(std::clamp<qint64>(e.left, 0, room.width())),
        int(std::clamp<qint64>(e.top, 0, room.height())),
        int(std::clamp<qint64>(e.right, 0, room.width())),
        int(std::clamp<qint64>(e.bottom, 0, room.height()))};
}

} // namespace

WalkwayMap::WalkwayMap(QSize room, const std::vector<Edges> &pieces,
    const std::vector<Entrance> &entrances, bool narrowest)
    : m_room(room.expandedTo({0, 0}))
{
    const size_t n = size_t(m_room.width()) * size_t(m_room.height());
    m_free.assign(n, 0);
    m_widest.assign(n, 0);
    if (narrowest)
        m_narrowest.assign(n, 0);
    if (n == 0)
        return;
    findFreeSquares(pieces);
    seed(entrances);
    spread();
    findSquareEnds();
}

// From the bottom row up, each corner's square is one more than the least
// of the squares right of it, below it and diagonally below it. Which cells
// pieces cover is counted row by row: a piece enters the count at its last
// row and leaves it above its first, so that overlapping pieces, however
// many, cost no more than their edges.
void WalkwayMap::findFreeSquares(const std::vector<Edges> &pieces)
{
    const int W = m_room.width(), H = m_room.height();
    std::vector<Cells> cells;
    cells.reserve(pieces.size());
    for (const Edges &p : pieces) {
        const Cells c = cellsInRoom(p, m_room);
        if (c.left < c.right && c.top < c.bottom)
            cells.push_back(c);
    }
    std::vector<int> byBottom(cells.size()), byTop(cells.size());
    for (size_t i = 0; i < cells.size(); ++i)
        byBottom[i] = byTop[i] = int(i);
    std::sort(byBottom.begin(), byBottom.end(),
        [&](int a, int b) { return cells[size_t(a)].bottom > cells[size_t(b)].bottom; });
    std::sort(byTop.begin(), byTop.end(),
        [&](int a, int b) { return cells[size_t(a)].top > cells[size_t(b)].top; });

    std::vector<int> delta(size_t(W) + 1, 0);
    size_t entering = 0, leaving = 0;
    for (int y = H - 1; y >= 0; --y) {
        for (; entering < byBottom.size() && cells[size_t(byBottom[entering])].bottom > y;
             ++entering) {
            const Cells &c = cells[size_t(byBottom[entering])];
            ++delta[size_t(c.left)];
            --delta[size_t(c.right)];
        }
        for (; leaving < byTop.size() && cells[size_t(byTop[leaving])].top > y; ++leaving) {
            const Cells &c = cells[size_t(byTop[leaving])];
            --delta[size_t(c.left)];
            ++delta[size_t(c.right)];
        }
        quint16 *row = &m_free[index(0, y)];
        const quint16 *below = y + 1 < H ? &m_free[index(0, y + 1)] : nullptr;
        int covered = 0;
        for (int x = 0; x < W; ++x) {
            covered += delta[size_t(x)];
            row[x] = covered > 0 ? 0 : 1;
        }
        // Right to left, so that the square right of a corner is known.
        for (int x = W - 1; x >= 0; --x) {
            if (row[x] == 0)
                continue;
            const int right = x + 1 < W ? row[x + 1] : 0;
            const int down = below ? below[x] : 0;
            const int diagonal = below && x + 1 < W ? below[x + 1] : 0;
            row[x] = quint16(1 + std::min({right, down, diagonal}));
        }
    }
}

// Every width an entrance admits: standing against its wall, wholly within
// its span. Of the squares at one place along the wall only the widest
// counts; the narrower ones stand inside it.
void WalkwayMap::seed(const std::vector<Entrance> &entrances)
{
    const int W = m_room.width(), H = m_room.height();
    auto offer = [&](int x, int y, int w) {
        if (w <= 0)
            return;
        quint16 &best = m_widest[index(x, y)];
        if (w <= best)
            return;
        best = quint16(w);
        if (!m_narrowest.empty())
            m_narrowest[index(x, y)] = quint32(index(x, y));
    };
    for (const Entrance &e : entrances) {
        const bool alongX = runsAlongX(e.wall);
        const int length = alongX ? W : H;
        const qint64 first = std::max<qint64>(e.start, 0);
        const qint64 end = std::min<qint64>(qint64(e.start) + e.width, length);
        if (e.width <= 0 || first >= end)
            continue;
        m_hasEntrances = true;
        for (int a = int(first); a < end; ++a) {
            // The widest square from here that stays within the span.
            const int room = int(end - a);
            switch (e.wall) {
            case Entrance::Wall::Top:
                offer(a, 0, std::min<int>(room, m_free[index(a, 0)]));
                break;
            case Entrance::Wall::Left:
                offer(0, a, std::min<int>(room, m_free[index(0, a)]));
                break;
            case Entrance::Wall::Bottom:
                for (int w = std::min(room, H); w >= 1; --w) {
                    if (m_free[index(a, H - w)] >= w) {
                        offer(a, H - w, w);
                        break;
                    }
                }
                break;
            case Entrance::Wall::Right:
                for (int w = std::min(room, W); w >= 1; --w) {
                    if (m_free[index(W - w, a)] >= w) {
                        offer(W - w, a, w);
                        break;
                    }
                }
                break;
            }
        }
    }
}

// The widest path, widest first: a corner taken from the bucket of its
// width hands each neighbour the lesser of that width and the neighbour's
// own square. A corner's width only grows, and is final when taken.
void WalkwayMap::spread()
{
    const int W = m_room.width();
    const size_t n = m_widest.size();
    const int top = *std::max_element(m_widest.begin(), m_widest.end());
    m_widestOfAll = top;
    std::vector<std::vector<quint32>> buckets(size_t(top) + 1);
    for (size_t i = 0; i < n; ++i) {
        if (m_widest[i] > 0)
            buckets[m_widest[i]].push_back(quint32(i));
    }
    quint16 *widest = m_widest.data();
    const quint16 *free = m_free.data();
    quint32 *narrowest = m_narrowest.empty() ? nullptr : m_narrowest.data();
    for (int level = top; level >= 1; --level) {
        std::vector<quint32> &bucket = buckets[size_t(level)];
        while (!bucket.empty()) {
            const quint32 p = bucket.back();
            bucket.pop_back();
            if (widest[p] != level)
                continue;
            const quint32 x = p % quint32(W);
            auto hand = [&](quint32 q) {
                const int room = free[q];
                const int width = room < level ? room : level;
                if (width <= widest[q])
                    return;
                widest[q] = quint16(width);
                if (narrowest)
                    narrowest[q] = room < level ? q : narrowest[p];
                buckets[size_t(width)].push_back(q);
            };
            if (x > 0)
                hand(p - 1);
            if (x + 1 < quint32(W))
                hand(p + 1);
            if (p >= quint32(W))
                hand(p - quint32(W));
            if (p + quint32(W) < n)
                hand(p + quint32(W));
        }
        std::vector<quint32>().swap(bucket);
    }
}

// A square whose right edge is on x lies left of it, at x - w; the widest
// one in a row comes from the leftmost corner that reaches x. As x grows
// that corner only moves right, so each row costs its width. The same down
// the columns for bottom edges, all columns at once, row by row.
void WalkwayMap::findSquareEnds()
{
    const int W = m_room.width(), H = m_room.height();
    m_endingRight.assign(m_free.size(), 0);
    m_endingBelow.assign(m_free.size(), 0);
    for (int y = 0; y < H; ++y) {
        const quint16 *widest = &m_widest[index(0, y)];
        quint16 *ending = &m_endingRight[index(0, y)];
        int from = 0;
        for (int edge = 1; edge <= W; ++edge) {
            while (from < edge && from + widest[from] < edge)
                ++from;
            ending[edge - 1] = quint16(edge - from);
        }
    }
    // Down the columns, all of them at once, a row at a time.
    std::vector<int> from(size_t(W), 0);
    for (int edge = 1; edge <= H; ++edge) {
        quint16 *ending = &m_endingBelow[index(0, edge - 1)];
        for (int x = 0; x < W; ++x) {
            int f = from[size_t(x)];
            while (f < edge && f + m_widest[index(x, f)] < edge)
                ++f;
            from[size_t(x)] = f;
            ending[x] = quint16(edge - f);
        }
    }
}

bool WalkwayMap::blocked(int x, int y) const
{
    return m_free[index(x, y)] == 0;
}

} // namespace plandex
