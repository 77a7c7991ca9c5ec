#include "placement/freeplace.h"

#include "model/geometry.h"
#include "model/objecttable.h"
#include "placement/cornersweep.h"

#include <algorithm>
#include <vector>

namespace plandex {

namespace {

// The corners at which the box meets row rectangle o: one span per
// condition of the collision test, each being a conjunction of bounds on
// the box's edges, which are the corner shifted by the box's size.
template<typename Take>
void cornersMeeting(const SpatialIndex::Box &o, qint64 w, qint64 h, Take take)
{
    const qint64 l = o.left, t = o.top, r = o.right, b = o.bottom;
    if (l <= r && t <= b) {
        // In order, the six together are the plain intersection.
        take(CornerSpan {l - w, t - h, r, b});
        return;
    }
    take(CornerSpan {l, t - h, r, b}); // left edge crosses it
    take(CornerSpan {l - w, t - h, r - w, b - h}); // bottom-right corner in it
    take(CornerSpan {l - w, t, r - w, b}); // top-right corner in it
    take(CornerSpan {r - w, t - h, l, t}); // spans it across its top
    take(CornerSpan {r - w, t, l, b}); // spans it, top edge inside
    take(CornerSpan {l - w, b - h, r - w, t}); // right edge crosses it
}

} // namespace

std::optional<QPoint> nearestFreePlace(
    const ObjectTable &table, const PlaceWanted &wanted, const SpatialIndex::Box &scanStart)
{
    const qint64 w = wanted.width, h = wanted.height;
    if (w < 0 || h < 0)
        return std::nullopt;
    // The room test: 0 <= left, right <= room width, the same downwards.
    const CornerWindow room {0, 0, wanted.room.width() - w, wanted.room.height() - h};
    if (room.empty())
        return std::nullopt;

    std::vector<WindowSpan> spans;
    auto spansIn = [&](const CornerWindow &win) {
        return [&spans, win](const CornerSpan &s) {
            WindowSpan in;
            if (win.clip(s, in))
                spans.push_back(in);
        };
    };
    const auto toPoint = [](const FoundCorner &f) { return QPoint(int(f.x), int(f.y)); };
    const int rows = table.count();
    const SpatialIndex &places = table.places();

    if (!places.usable()) {
        // Rows read the way the collision test's scan reads them.
        SpatialIndex::Box v = scanStart;
        for (int i = 0; i < rows; ++i) {
            if (i == wanted.exemptRow)
                continue;
            readRect(table.row(i), v.left, v.top, v.right, v.bottom);
            cornersMeeting(v, w, h, spansIn(room));
        }
        const FoundCorner f = nearestUncovered(room, spans, wanted.target);
        return f.distance2 >= 0 ? std::optional(toPoint(f)) : std::nullopt;
    }

    // Growing squares around the target: a place found within reach of it
    // is the nearest, since everything outside the square is further.
    const qint64 roomArea = qint64(wanted.room.width()) * wanted.room.height();
    std::vector<char> seen;
    for (qint64 reach = 16;; reach *= 4) {
        CornerWindow win {std::max(room.x1, wanted.target.x() - reach),
            std::max(room.y1, wanted.target.y() - reach),
            std::min(room.x2, wanted.target.x() + reach),
            std::min(room.y2, wanted.target.y() + reach)};
        if (win.empty())
            continue;
        // The floor the boxes of these corners cover; once that is much of
        // the room, every row is read anyway, so the whole room is searched.
        const double floorArea = double(win.x2 - win.x1 + 1 + w) * double(win.y2 - win.y1 + 1 + h);
        if (floorArea * 4 >= roomArea)
            win = room;
        bool whole
            = win.x1 == room.x1 && win.y1 == room.y1 && win.x2 == room.x2 && win.y2 == room.y2;
        spans.clear();
        if (!whole) {
            // Past as many rows as the table holds, reading them all costs
            // less than going on.
            qint64 visits = 0;
            seen.assign(size_t(rows), 0);
            const auto add = spansIn(win);
            whole = places.anyNear(
                double(win.x1), double(win.y1), double(win.x2 + w), double(win.y2 + h), [&](int i) {
                    if (++visits > rows)
                        return true;
                    if (i != wanted.exemptRow && !seen[size_t(i)]) {
                        seen[size_t(i)] = 1;
                        cornersMeeting(places.box(i), w, h, add);
                    }
                    return false;
                });
            if (whole) {
                win = room;
                spans.clear();
            }
        }
        if (whole) {
            const auto add = spansIn(win);
            for (int i = 0; i < rows; ++i) {
                if (i != wanted.exemptRow)
                    cornersMeeting(places.box(i), w, h, add);
            }
        }
        const FoundCorner f = nearestUncovered(win, spans, wanted.target);
        if (f.distance2 >= 0 && (whole || f.distance2 <= reach * reach))
            return toPoint(f);
        if (whole)
            return std::nullopt;
    }
}

} // namespace plandex
