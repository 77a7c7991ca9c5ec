#include "plan/colors.h"
#include "plan/editor.h"
#include "plan/openingsymbol.h"

// Doors, windows and openings on the plan: their symbols painted in the
// colours the editor asks for its objects, and found by their area or by a
// point on their symbol.

namespace plandex {

std::optional<Opening> rowOpening(const Editor &editor, int row)
{
    const ObjectTable &table = editor.table();
    if (row < 0 || row >= table.count())
        return std::nullopt;
    return openingOfRow(table.row(row), editor.K().size());
}

std::optional<Opening> currentOpening(const Editor &editor)
{
    return rowOpening(editor, editor.table().selection());
}

QString shownRowName(const Editor &editor, int row)
{
    const ObjectTable &table = editor.table();
    if (row < 0 || row >= table.count())
        return {};
    return shownName(table.row(row), editor.K().size());
}

void Editor::paintOpening(const Opening &opening, int rgb)
{
    const int colour = rgb == colors::blue ? colors::opening
        : rgb == colors::green             ? colors::currentOpening
                                           : rgb;
    const bool erase = colour == colors::black;
    if (erase) {
        const Edges area = openingArea(opening, m_K.size());
        m_K.fillBox(area.left, area.top, area.right, area.bottom, colors::black);
    }
    for (const SymbolRun &run : openingSymbol(opening, m_K.size())) {
        const Edges &r = run.box;
        if (run.inArea) {
            if (!erase)
                m_K.fillBox(r.left, r.top, r.right, r.bottom, colour);
            continue;
        }
        // Beyond the area only floor and symbols are drawn over, so that
        // the furniture beside a strip keeps its colour.
        for (qint64 y = r.top; y <= r.bottom; ++y) {
            for (qint64 x = r.left; x <= r.right; ++x) {
                const int under = m_K.point(double(x), double(y));
                const bool symbol = under == colors::opening || under == colors::currentOpening;
                if (symbol || (under == colors::black && !erase))
                    m_K.fillBox(qint32(x), qint32(y), qint32(x), qint32(y), colour);
            }
        }
    }
}

std::optional<Opening> Editor::openingWithArea(const Edges &box) const
{
    const QSize room = m_K.size();
    // Most boxes are ruled out by their shape: an opening's area lies at a
    // wall, as a strip or a square.
    const bool atWall = box.left == 0 || box.top == 0 || box.right == room.width() - 1
        || box.bottom == room.height() - 1;
    const bool shaped = box.left == box.right || box.top == box.bottom
        || box.right - box.left == box.bottom - box.top;
    if (!atWall || !shaped || box.left > box.right || box.top > box.bottom)
        return std::nullopt;
    std::optional<Opening> found;
    const auto check = [&](int row) {
        const ObjectTable::Row &r = m_table.row(row);
        if (!hasOpeningMarker(r.name))
            return false;
        found = openingOfRow(r, room);
        return found && openingArea(*found, room) == box;
    };
    const SpatialIndex &places = m_table.places();
    if (places.usable()) {
        if (places.anyNear(box.left, box.top, box.left, box.top, check))
            return found;
        return std::nullopt;
    }
    for (int row = 0; row < m_table.count(); ++row)
        if (check(row))
            return found;
    return std::nullopt;
}

void Editor::paintBox(const Edges &box, int rgb)
{
    if (const auto opening = openingWithArea(box))
        paintOpening(*opening, rgb);
    else
        m_K.fillBox(qint32(box.left), qint32(box.top), qint32(box.right), qint32(box.bottom), rgb);
}

int Editor::openingRowAt(double X, double Y) const
{
    const QSize room = m_K.size();
    const double reach = openingMarkDepth;
    if (X > reach && Y > reach && X < room.width() - 1 - reach && Y < room.height() - 1 - reach)
        return -1;
    int hit = -1;
    const auto check = [&](int row) {
        const ObjectTable::Row &r = m_table.row(row);
        if ((hit >= 0 && row >= hit) || !hasOpeningMarker(r.name))
            return false;
        const auto opening = openingOfRow(r, room);
        if (!opening)
            return false;
        const Edges mark = openingMark(*opening, room);
        if (mark.left <= X && X <= mark.right && mark.top <= Y && Y <= mark.bottom)
            hit = row;
        return false;
    };
    const SpatialIndex &places = m_table.places();
    if (places.usable())
        places.anyNear(X - reach, Y - reach, X + reach, Y + reach, check);
    else
        for (int row = 0; row < m_table.count(); ++row)
            check(row);
    return hit;
}

} // namespace plandex
