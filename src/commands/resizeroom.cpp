#include "commands/roomcommands.h"
#include "files/komfile.h"
#include "model/geometry.h"
#include "model/visibletext.h"
#include "openings/opening.h"
#include "plan/editor.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>
#include <vector>

namespace plandex {

static_assert(largestRoomSide == komMaxSide, "a room of any size can be saved and opened");

namespace {

// Closed rectangles, as the collision test compares them.
bool meet(const Edges &a, const Edges &b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// What a room of size would not hold, as the row of the first in table
// order, -1 when it holds them all: an object outside it by the collision
// test's rule for walls, a door or window that would not fit its wall, or
// one that, moved with the bottom or the right wall, would meet another
// row. Rows are read as a walk over the table reads them.
class Misfits
{
public:
    Misfits(const Editor &editor, QSize size)
        : m_table(editor.table())
        , m_room(editor.K().size())
        , m_size(size)
        , m_isMoved(size_t(m_table.count()), false)
    { }

    int first()
    {
        const int outside = firstOutside();
        int first = outside == -1 ? m_table.count() : outside;
        for (const Moved &moved : m_moved)
            if (moved.row < first && meetsAnother(moved))
                first = moved.row;
        return first == m_table.count() ? -1 : first;
    }

private:
    struct Moved {
        int row;
        Edges area;
        bool down; // with the bottom wall, else with the right one
    };

    int firstOutside()
    {
        qint32 l = 0, t = 0, r = 0, b = 0;
        for (int i = 0; i < m_table.count(); ++i) {
            readRect(m_table.row(i), l, t, r, b);
            if (const auto opening = openingOfRow(m_table.row(i), m_room)) {
                if (!openingFits(*opening, m_size))
                    return i;
                const Edges area = openingArea(*opening, m_size);
                if (area != openingArea(*opening, m_room)) {
                    const bool down = opening->wall == Wall::Bottom;
                    m_moved.push_back({i, area, down});
                    m_isMoved[size_t(i)] = true;
                    m_reach[down] = m_reach[down] ? unite(*m_reach[down], area) : area;
                }
                continue;
            }
            if (std::min(l, r) < 0 || std::min(t, b) < 0 || std::max(l, r) > m_size.width()
                || std::max(t, b) > m_size.height())
                return i;
        }
        return -1;
    }

    // Whether a moved opening's new area meets a row that stays, or an
    // opening moved with the other wall: those of one wall move together.
    bool meetsAnother(const Moved &moved) const
    {
        const Edges &area = moved.area;
        auto meetsRow = [&](int i, const Edges &box) {
            return i != moved.row && !m_isMoved[size_t(i)] && meet(area, box);
        };
        const SpatialIndex &places = m_table.places();
        bool met = false;
        if (places.usable()) {
            met = places.anyNear(area.left, area.top, area.right, area.bottom, [&](int i) {
                const SpatialIndex::Box &b = places.box(i);
                return meetsRow(i, Edges::ordered(b.left, b.top, b.right, b.bottom));
            });
        } else {
            qint32 l = 0, t = 0, r = 0, b = 0;
            for (int i = 0; i < m_table.count() && !met; ++i) {
                readRect(m_table.row(i), l, t, r, b);
                met = meetsRow(i, Edges::ordered(l, t, r, b));
            }
        }
        const std::optional<Edges> &others = m_reach[!moved.down];
        return met
            || (others && meet(area, *others)
                && std::any_of(m_moved.begin(), m_moved.end(), [&](const Moved &other) {
                       return other.down != moved.down && meet(area, other.area);
                   }));
    }

    static Edges unite(const Edges &a, const Edges &b)
    {
        return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
    }

    const ObjectTable &m_table;
    QSize m_room, m_size;
    std::vector<bool> m_isMoved;
    std::vector<Moved> m_moved;
    // What the openings moved with the right wall, and with the bottom one,
    // cover together.
    std::optional<Edges> m_reach[2];
};

} // namespace

bool resizeRoomTo(Editor &editor, qint64 width, qint64 height)
{
    if (width < 50 || height < 50 || width > largestRoomSide || height > largestRoomSide) {
        editor.prompts().message(QCoreApplication::translate(
            "Editor", "Комната не должна быть больше 4096 x 4096 cm, и меньше 50 x 50 cm!"));
        return false;
    }
    const QSize before = editor.K().size();
    const QSize after {int(width), int(height)};
    const int misfit = Misfits(editor, after).first();
    if (misfit != -1) {
        editor.prompts().message(QCoreApplication::translate(
            "Editor", "Объект \"%1\" не помещается в комнату такого размера!")
                                     .arg(visibleText(shownRowName(editor, misfit))));
        return false;
    }
    if (after == before)
        return true;
    editor.resizeRoom(after);
    editor.history().roomResized(before);
    return true;
}

} // namespace plandex
