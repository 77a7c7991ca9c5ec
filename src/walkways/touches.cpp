#include "walkways/walkways.h"

#include <algorithm>

namespace plandex {

// A square touches a piece's side when one of its edges lies on the side's
// line and the two share a stretch of positive length. Along each side the
// squares that start beside it are read, then those that start before it
// and reach past its first end, until a piece's cell or the room's edge
// stops them: no square passes over a cell that is not floor.
WalkwayMap::Touch WalkwayMap::bestTouch(const Edges &piece) const
{
    const int W = m_room.width(), H = m_room.height();
    const Edges e = Edges::ordered(piece.left, piece.top, piece.right, piece.bottom);
    Touch best;
    if (m_widest.empty())
        return best;
    const int reach = m_widestOfAll;

    // One side: the line (a column of corners, or a row), the piece's extent
    // along it [from, to), the width of the square whose corner is at k on
    // the line, where that corner is, and whether the floor there is free.
    auto side
        = [&](qint64 from, qint64 to, int lineLength, auto widthAt, auto cornerAt, auto floorAt) {
              // A side beyond the room's end of the line has no square beside it.
              const int last = int(std::min<qint64>(to, lineLength)) - 1;
              const int first = int(std::max<qint64>(from, 0));
              if (to <= from || first > last)
                  return;
              auto consider = [&](int k, int w) {
                  if (w > best.width) {
                      const QPoint c = cornerAt(k, w);
                      best = {w, c.x(), c.y()};
                  }
              };
              for (int k = last; k >= first; --k)
                  consider(k, widthAt(k));
              for (int k = first - 1; k >= 0 && from - k + 1 <= reach; --k) {
                  if (!floorAt(k))
                      break;
                  const int w = widthAt(k);
                  if (w >= from - k + 1)
                      consider(k, w);
              }
          };

    // Right side: squares whose left edge is on it.
    if (e.right >= 0 && e.right < W) {
        const int x = int(e.right);
        side(
            e.top, e.bottom, H, [&](int y) { return int(m_widest[index(x, y)]); },
            [&](int y, int) { return QPoint(x, y); }, [&](int y) { return !blocked(x, y); });
    }
    // Left side: squares whose right edge is on it.
    if (e.left > 0 && e.left <= W) {
        const int x = int(e.left) - 1;
        side(
            e.top, e.bottom, H, [&](int y) { return int(m_endingRight[index(x, y)]); },
            [&](int y, int w) { return QPoint(x + 1 - w, y); },
            [&](int y) { return !blocked(x, y); });
    }
    // Bottom side: squares whose top edge is on it.
    if (e.bottom >= 0 && e.bottom < H) {
        const int y = int(e.bottom);
        side(
            e.left, e.right, W, [&](int x) { return int(m_widest[index(x, y)]); },
            [&](int x, int) { return QPoint(x, y); }, [&](int x) { return !blocked(x, y); });
    }
    // Top side: squares whose bottom edge is on it.
    if (e.top > 0 && e.top <= H) {
        const int y = int(e.top) - 1;
        side(
            e.left, e.right, W, [&](int x) { return int(m_endingBelow[index(x, y)]); },
            [&](int x, int w) { return QPoint(x, y + 1 - w); },
            [&](int x) { return !blocked(x, y); });
    }
    return best;
}

int WalkwayMap::walkwayWidth(const Edges &piece) const
{
    return bestTouch(piece).width;
}

std::vector<int> WalkwayMap::walkwayWidths(const std::vector<Edges> &pieces) const
{
    std::vector<int> widths;
    widths.reserve(pieces.size());
    for (const Edges &p : pieces)
        widths.push_back(walkwayWidth(p));
    return widths;
}

std::optional<QLine> WalkwayMap::narrowestPlace(const Edges &piece) const
{
    const Touch touch = bestTouch(piece);
    if (touch.width == 0 || m_narrowest.empty())
        return std::nullopt;
    const size_t at = index(touch.x, touch.y);
    // A square narrower than the way to its corner is held by the piece's
    // own surroundings: the narrowest place is where it stands.
    if (m_widest[at] > touch.width)
        return lineAcross(touch.x, touch.y, touch.width);
    const quint32 q = m_narrowest[at];
    const int W = m_room.width();
    return lineAcross(int(q % quint32(W)), int(q / quint32(W)), touch.width);
}

// Across the square of width w at x, y, where something (or a wall) holds
// it on both sides: left to right through the middle of the rows so held,
// else top to bottom through the middle of such columns, else left to
// right through its middle.
QLine WalkwayMap::lineAcross(int x, int y, int w) const
{
    const int W = m_room.width(), H = m_room.height();
    auto heldAt = [&](bool sideways) -> std::optional<int> {
        int first = -1, last = -1;
        for (int k = 0; k < w; ++k) {
            const bool before
                = sideways ? x == 0 || blocked(x - 1, y + k) : y == 0 || blocked(x + k, y - 1);
            const bool after = sideways ? x + w == W || blocked(x + w, y + k)
                                        : y + w == H || blocked(x + k, y + w);
            if (before && after) {
                first = first < 0 ? k : first;
                last = k;
            }
        }
        if (first < 0)
            return std::nullopt;
        return (first + last) / 2;
    };
    if (const auto k = heldAt(true))
        return QLine(x, y + *k, x + w, y + *k);
    if (const auto k = heldAt(false))
        return QLine(x + *k, y, x + *k, y + w);
    return QLine(x, y + w / 2, x + w, y + w / 2);
}

// A cell is covered when a square of width w that can be reached holds it:
// a corner within w - 1 to its left and above. Counted along the rows,
// then down the columns.
QImage WalkwayMap::reachableFloor(int w) const
{
    const int W = m_room.width(), H = m_room.height();
    QImage floor(m_room, QImage::Format_Alpha8);
    if (floor.isNull())
        return floor;
    floor.fill(0);
    if (w <= 0)
        return floor;
    std::vector<uchar> sideways(m_free.size(), 0);
    for (int y = 0; y < H; ++y) {
        int lastCorner = -1;
        for (int x = 0; x < W; ++x) {
            if (m_widest[index(x, y)] >= w)
                lastCorner = x;
            sideways[index(x, y)] = lastCorner >= 0 && x - lastCorner < w ? 1 : 0;
        }
    }
    std::vector<int> lastRow(size_t(W), -1);
    for (int y = 0; y < H; ++y) {
        uchar *line = floor.scanLine(y);
        for (int x = 0; x < W; ++x) {
            if (sideways[index(x, y)])
                lastRow[size_t(x)] = y;
            if (lastRow[size_t(x)] >= 0 && y - lastRow[size_t(x)] < w)
                line[x] = 255;
        }
    }
    return floor;
}

} // namespace plandex
