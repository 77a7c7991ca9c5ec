#include "plan/linefill.h"
#include "plan/plansurface.h"

#include <algorithm>

// Many boxes of one colour at once, in time bounded by the plan's area.

namespace plandex {

void PlanSurface::fillBoxes(const std::vector<Box> &boxes, int rgb)
{
    std::vector<QRect> areas;
    areas.reserve(boxes.size());
    QRect bound;
    qint64 pixels = 0;
    for (const Box &b : boxes) {
        const QRect area = clipToPlan(std::min(b.x1, b.x2), std::min(b.y1, b.y2),
            std::max(b.x1, b.x2), std::max(b.y1, b.y2), size());
        if (area.isEmpty())
            continue;
        areas.push_back(area);
        bound |= area;
        pixels += qint64(area.width()) * area.height();
    }
    // Boxes that cover the plan no more than once over are cheapest drawn
    // one by one.
    if (pixels <= qint64(width()) * height()) {
        for (const QRect &a : areas)
            fillClipped(a.left(), a.top(), a.right(), a.bottom(), rgb);
    } else {
        fillUnion(std::move(areas), bound, rgb);
    }
    changed(bound);
}

// Line by line from the top, with the count of boxes over each column of
// the line: a line where no box starts or ends repeats the runs of the
// line above, so each line costs its width at most.
void PlanSurface::fillUnion(std::vector<QRect> areas, const QRect &bound, int rgb)
{
    const LineFill fill(m_image, pixelValue(rgb));
    keepPixels(bound);
    m_lastFill = QRect();
    std::sort(areas.begin(), areas.end(), [](auto &a, auto &b) { return a.top() < b.top(); });
    std::vector<QRect> byBottom = areas;
    std::sort(
        byBottom.begin(), byBottom.end(), [](auto &a, auto &b) { return a.bottom() < b.bottom(); });
    // Starts minus ends per column, from the bound's left edge.
    std::vector<int> steps(size_t(bound.width()) + 1, 0);
    auto count = [&](const QRect &a, int by) {
        steps[size_t(a.left() - bound.left())] += by;
        steps[size_t(a.right() + 1 - bound.left())] -= by;
    };
    std::vector<std::pair<int, int>> runs;
    auto in = areas.cbegin(), out = byBottom.cbegin();
    for (int y = bound.top(); y <= bound.bottom(); ++y) {
        const auto inBefore = in, outBefore = out;
        for (; in != areas.cend() && in->top() <= y; ++in)
            count(*in, 1);
        for (; out != byBottom.cend() && out->bottom() < y; ++out)
            count(*out, -1);
        if (in != inBefore || out != outBefore) {
            runs.clear();
            int over = 0;
            for (int x = bound.left(); x <= bound.right(); ++x) {
                const bool inside = over > 0;
                over += steps[size_t(x - bound.left())];
                if (over > 0 && !inside)
                    runs.emplace_back(x, x);
                else if (over > 0)
                    runs.back().second = x;
            }
        }
        for (const auto &[left, right] : runs)
            fill(y, left, right);
    }
}

} // namespace plandex
