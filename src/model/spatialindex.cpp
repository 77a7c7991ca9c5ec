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
    m_wide.clear();
    m_unreadable = 0;
    m_dirty = false;
    const int rows = m_table.count();
    m_boxes.resize(size_t(rows));
    for (int i = 0; i < rows; ++i)
        insert(i);
}

SpatialIndex::CellRange SpatialIndex::cellsOf(const Box &b)
{
    return {cellOf(std::min(b.left, b.right)), cellOf(std::min(b.top, b.bottom)),
        cellOf(std::max(b.left, b.right)), cellOf(std::max(b.top, b.bottom))};
}

template<typename Change> void SpatialIndex::forEachList(const Box &b, Change change) const
{
    const CellRange c = cellsOf(b);
    if (c.count() > maxCellsPerRow) {
        change(m_wide);
        return;
    }
    for (int cy = c.y1; cy <= c.y2; ++cy)
        for (int cx = c.x1; cx <= c.x2; ++cx)
            change(cell(cx, cy));
}

namespace {

// Rows are kept in ascending order, which the hit test's "lowest row wins"
// reads off directly.
void addSorted(std::vector<int> &list, int row)
{
    list.insert(std::lower_bound(list.begin(), list.end(), row), row);
}

void removeSorted(std::vector<int> &list, int row)
{
    const auto at = std::lower_bound(list.begin(), list.end(), row);
    if (at != list.end() && *at == row)
        list.erase(at);
}

} // namespace

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
    forEachList(b, [row](std::vector<int> &list) { addSorted(list, row); });
}

void SpatialIndex::erase(int row) const
{
    forEachList(m_boxes[size_t(row)], [row](std::vector<int> &list) { removeSorted(list, row); });
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
    auto contains = [&](int row) {
        const Box &b = m_boxes[size_t(row)];
        return b.top <= y && b.bottom >= y && b.left <= x && b.right >= x;
    };
    int lowest = -1;
    for (int row : cell(cellOf(x), cellOf(y))) {
        if (contains(row)) {
            lowest = row;
            break;
        }
    }
    for (int row : m_wide) {
        if (lowest >= 0 && row > lowest)
            break;
        if (contains(row))
            return row;
    }
    return lowest;
}

qsizetype SpatialIndex::cellEntries() const
{
    if (m_dirty)
        rebuild();
    qsizetype entries = 0;
    for (const auto &list : m_grid)
        entries += qsizetype(list.size());
    return entries;
}

} // namespace plandex
