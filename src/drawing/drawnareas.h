#pragma once

#include <QRectF>

#include <vector>

namespace plandex {

// What has been drawn on a device so far, as rectangles on a grid of cells
// over it, so that asking whether a new one would cover any costs the
// rectangles near it, not all of them.
class DrawnAreas
{
public:
    // cellAtLeast: the smallest cell worth having, about the size of what
    // is drawn.
    DrawnAreas(const QRectF &device, double cellAtLeast);

    bool overlaps(const QRectF &r) const;
    void add(const QRectF &r);

private:
    template<typename Visit> void forCells(const QRectF &r, Visit visit) const;

    QRectF m_device;
    double m_cell;
    int m_columns;
    mutable std::vector<std::vector<QRectF>> m_cells;
};

} // namespace plandex
