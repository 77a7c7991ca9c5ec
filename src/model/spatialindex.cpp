#include "model/spatialindex.h"

#include "model/objecttable.h"

#include <algorithm>
#include <cmath>

namespace plandex {

SpatialIndex::SpatialIndex(const ObjectTable &table)
    : m_table(table)
    , m_grid(size_t(cells) * cells)
{ }

int SpatialIndex::cellOf(double v)
{
    if (!(v > 0)) // also NaN
        return 0;
    return int(std::min(std::floor(v / cellSize), double(cells - 1)));
}

bool SpatialIndex::usable() const
{
    if (m_dirty)
        rebuild();
    return m_unreadable == 0;
}

const SpatialIndex::Box &SpatialIndex::box(int i) const
{
    if (m_dirty)
        rebuild();
    return m_boxes[size_t(i)];
}

void SpatialIndex::rebuild() const
{
    for (auto &list : m_grid)
        list.clear();
    m_boxes.clear();
    m_unreadable = 0;
    m_dirty = false;
    const int rows = m_table.count();
    m_boxes.resize(size_t(rows));
    for (int i = 0; i < rows; ++i)
        insert(i);
}

void SpatialIndex::insert(int row) const
{
    const ObjectTable::Row &r = m_table.row(row);
    if (!r.xValues.first || !r.xValues.second || !r.yValues.first || !r.yValues.second) {
        ++m_unreadable;
        m_boxes[size_t(row)] = {0, 0, 0, 0};
        return;
    }
    const Box b {*r.xValues.first, *r.yValues.first, *r.xValues.second, *r.yValues.second};
    m_boxes[size_t(row)] = b;
    const int cx1 = cellOf(std::min(b.left, b.right)), cx2 = cellOf(std::max(b.left, b.right));
    const int cy1 = cellOf(std::min(b.top, b.bottom)), cy2 = cellOf(std::max(b.top, b.bottom));
    // Each cell keeps its rows in ascending order, which the hit test's
    // "lowest row wins" reads off directly.
    for (int cy = cy1; cy <= cy2; ++cy)
        for (int cx = cx1; cx <= cx2; ++cx) {
            std::vector<int> &list = cell(cx, cy);
            list.insert(std::lower_bound(list.begin(), list.end(), row), row);
        }
}

void SpatialIndex::erase(int row) const
{
    const Box b = m_boxes[size_t(row)];
    const int cx1 = cellOf(std::min(b.left, b.right)), cx2 = cellOf(std::max(b.left, b.right));
    const int cy1 = cellOf(std::min(b.top, b.bottom)), cy2 = cellOf(std::max(b.top, b.bottom));
    for (int cy = cy1; cy <= cy2; ++cy)
        for (int cx = cx1; cx <= cx2; ++cx) {
            std::vector<int> &list = cell(cx, cy);
            const auto at = std::lower_bound(list.begin(), list.end(), row);
            if (at != list.end() && *at == row)
                list.erase(at);
        }
}

void SpatialIndex::appended(int first, int last)
{
    if (m_dirty)
        return;
    // Rows inserted anywhere but at the end renumber those after them.
    if (first != int(m_boxes.size()) || last + 1 != m_table.count()) {
        m_dirty = true;
        return;
    }
    m_boxes.resize(size_t(last + 1));
    for (int i = first; i <= last; ++i)
        insert(i);
}

void SpatialIndex::rewritten(int first, int last)
{
    // An unreadable row has no cells to leave; start afresh then.
    if (m_dirty || m_unreadable > 0) {
        m_dirty = true;
        return;
    }
    for (int i = first; i <= last; ++i) {
        erase(i);
        insert(i);
    }
}

int SpatialIndex::lowestAt(double x, double y) const
{
    if (m_dirty)
        rebuild();
    for (int row : cell(cellOf(x), cellOf(y))) {
        const Box &b = m_boxes[size_t(row)];
        if (b.top <= y && b.bottom >= y && b.left <= x && b.right >= x)
            return row;
    }
    return -1;
}

} // namespace plandex
