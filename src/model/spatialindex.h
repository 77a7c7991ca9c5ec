#pragma once

#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace plandex {

class ObjectTable;

// A uniform grid over the rows' rectangles, so that the hit and collision
// tests look at the few rows near a point or a rectangle instead of every
// row. A row that covers many cells is kept once, in a list that every
// question scans, so that no file can make the grid large: a room of
// room-sized rows costs what a plain scan costs. The table tells it of
// every change, before the views hear of it. Rows whose numbers do not
// all fit 32 bits borrow values from the row read before them, which only a scan in table order
// reproduces: while the table holds such a row, the index answers that it cannot help.
class SpatialIndex
{
public:
    struct Box {
        qint32 left, top, right, bottom; // as stored, corners maybe swapped
    };

    explicit SpatialIndex(const ObjectTable &table);

    // False while a row has a number that does not fit: scan instead.
    bool usable() const;
    // The stored rectangle of row i; valid while usable().
    const Box &box(int i) const;
    // Calls visit(row) for rows whose rectangle, corners put in order, may
    // meet the closed rectangle [x1, x2] x [y1, y2]; a row can come more
    // than once. Stops when visit returns true and then returns true.
    template<typename Visit>
    bool anyNear(double x1, double y1, double x2, double y2, Visit visit) const;
    // The lowest row whose rectangle contains the point, edges included;
    // -1 when none does.
    int lowestAt(double x, double y) const;

    // Grid cells are square; the grid covers the largest room and clamps
    // whatever lies outside into its border cells.
    static constexpr int cellSize = 32;
    static constexpr int cells = 4096 / cellSize;
    // A row covering more cells than this goes to the list of wide rows.
    static constexpr int maxCellsPerRow = 16;

    // Row entries in all the cells together.
    qsizetype cellEntries() const;

    // Change points, called by the table.
    void appended(int first, int last);
    void rewritten(int first, int last);
    void invalidate() { m_dirty = true; }

private:
    static int cellOf(double v);
    // The cells a box covers, clamped to the grid.
    struct CellRange {
        int x1, y1, x2, y2;
        int count() const { return (x2 - x1 + 1) * (y2 - y1 + 1); }
    };
    static CellRange cellsOf(const Box &b);
    // Calls change(list) for every list a row with this box belongs in.
    template<typename Change> void forEachList(const Box &b, Change change) const;
    void rebuild() const;
    void insert(int row) const;
    void erase(int row) const;
    std::vector<int> &cell(int cx, int cy) const { return m_grid[size_t(cy) * cells + size_t(cx)]; }

    const ObjectTable &m_table;
    mutable std::vector<std::vector<int>> m_grid;
    mutable std::vector<Box> m_boxes;
    // The rows too wide for the grid, ascending.
    mutable std::vector<int> m_wide;
    // Rows with a number that does not fit.
    mutable int m_unreadable = 0;
    mutable bool m_dirty = true;
};

template<typename Visit>
bool SpatialIndex::anyNear(double x1, double y1, double x2, double y2, Visit visit) const
{
    if (m_dirty)
        rebuild();
    const int cx1 = cellOf(std::min(x1, x2)), cx2 = cellOf(std::max(x1, x2));
    const int cy1 = cellOf(std::min(y1, y2)), cy2 = cellOf(std::max(y1, y2));
    for (int cy = cy1; cy <= cy2; ++cy)
        for (int cx = cx1; cx <= cx2; ++cx)
            for (int row : cell(cx, cy))
                if (visit(row))
                    return true;
    for (int row : m_wide)
        if (visit(row))
            return true;
    return false;
}

} // namespace plandex
