#include "drawing/drawnareas.h"

#include <algorithm>

namespace plandex {

DrawnAreas::DrawnAreas(const QRectF &device, double cellAtLeast)
    : m_device(device)
    , m_cell(std::max({cellAtLeast, device.width() / 64, device.height() / 64, 1.0}))
    , m_columns(int(device.width() / m_cell) + 1)
    , m_cells(size_t(m_columns) * size_t(int(device.height() / m_cell) + 1))
{ }

bool DrawnAreas::overlaps(const QRectF &r) const
{
    bool found = false;
    forCells(r, [&](const std::vector<QRectF> &cell) {
        for (const QRectF &drawn : cell)
            found = found || drawn.intersects(r);
    });
    return found;
}

void DrawnAreas::add(const QRectF &r)
{
    forCells(r, [&r](std::vector<QRectF> &cell) { cell.push_back(r); });
}

template<typename Visit> void DrawnAreas::forCells(const QRectF &r, Visit visit) const
{
    const QRectF on = r.intersected(m_device);
    if (on.isEmpty())
        return;
    const int x1 = int((on.left() - m_device.left()) / m_cell);
    const int x2 = int((on.right() - m_device.left()) / m_cell);
    const int y1 = int((on.top() - m_device.top()) / m_cell);
    const int y2 = int((on.bottom() - m_device.top()) / m_cell);
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            visit(m_cells[size_t(y) * size_t(m_columns) + size_t(x)]);
}

} // namespace plandex
