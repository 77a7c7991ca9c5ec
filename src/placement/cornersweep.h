#pragma once

#include <QPoint>
#include <QtGlobal>

#include <algorithm>
#include <vector>

// The sweep behind the nearest-place search: which top-left corners of a
// box no row rules out, and the nearest of them to a target.

namespace plandex {

// Top-left corners of the box, a closed rectangle of them.
struct CornerSpan {
    qint64 x1, y1, x2, y2;
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

// The corner found and its squared distance to the target; -1: none.
struct FoundCorner {
    qint64 distance2 = -1;
    qint64 x = 0, y = 0;
};

// The nearest corner of the window that no span covers, topmost then
// leftmost among equals: a sweep down the window's lines, each span
// entering the line count at its top line and leaving after its bottom.
FoundCorner nearestUncovered(
    const CornerWindow &win, const std::vector<WindowSpan> &spans, QPoint target);

} // namespace plandex
