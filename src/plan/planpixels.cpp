#include "plan/plansurface.h"

#include <algorithm>
#include <cmath>

// Reading the plan's pixels: the colour under a point, and whether an area
// is all one colour.

namespace plandex {

int PlanSurface::point(double x, double y) const
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return -1;
    const double px = std::floor(x), py = std::floor(y);
    if (px < 0 || py < 0 || px >= width() || py >= height())
        return -1;
    return int(m_image.pixel(int(px), int(py)) & 0xFFFFFF);
}

namespace {

template<typename Pixel> bool allEqual(const QImage &image, const QRect &area)
{
    const uchar *bits = image.constBits();
    const qsizetype stride = image.bytesPerLine();
    auto line
        = [&](int y) { return reinterpret_cast<const Pixel *>(bits + y * stride) + area.left(); };
    const Pixel first = *line(area.top());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const Pixel *from = line(y);
        if (!std::all_of(from, from + area.width(), [first](Pixel p) { return p == first; }))
            return false;
    }
    return true;
}

} // namespace

int PlanSurface::plainColour(const QRect &area) const
{
    if (area.isEmpty() || !m_image.rect().contains(area))
        return -1;
    const bool plain
        = m_image.depth() == 8 ? allEqual<uchar>(m_image, area) : allEqual<QRgb>(m_image, area);
    return plain ? int(m_image.pixel(area.topLeft()) & 0xFFFFFF) : -1;
}

} // namespace plandex
