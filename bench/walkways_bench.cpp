// Timings of the walkway widths of every piece: a 700 x 500 room with 30
// pieces and two doors, and a 4096 x 4096 room with 32,767 pieces and two
// doors. Beside each, the least any search of the room must do: one flood
// of its free cells from the doors, for a single width of one cell. Prints
// milliseconds (medians), the goals, and the peak memory per square
// centimetre of the large room.

#include "walkways/walkways.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>
#include <vector>

using namespace plandex;

namespace {

constexpr int runs = 7;

struct Room {
    const char *title;
    QSize size;
    std::vector<Edges> pieces;
    std::vector<Entrance> doors;
    double goalMs;
};

// Pieces of span x span cm in a grid pitch apart, from (gap, gap).
Room gridRoom(const char *title, QSize size, int count, int span, int pitch, double goalMs)
{
    Room room {title, size, {}, {}, goalMs};
    const int cols = (size.width() - pitch / 2) / pitch;
    for (int i = 0; i < count; ++i) {
        const qint64 left = pitch / 2 + (i % cols) * pitch, top = pitch / 2 + (i / cols) * pitch;
        room.pieces.push_back({left, top, left + span, top + span});
    }
    room.doors = {{Entrance::Wall::Bottom, size.width() / 3, 80},
        {Entrance::Wall::Left, size.height() / 2, 90}};
    return room;
}

double medianMs(const std::function<void()> &op)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        op();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(ms.begin(), ms.begin() + runs / 2, ms.end());
    return ms[runs / 2];
}

// The baseline: every free cell reached from the doors' cells, one step at
// a time, over a byte a cell.
size_t flood(const Room &room)
{
    const int W = room.size.width(), H = room.size.height();
    std::vector<uchar> cell(size_t(W) * size_t(H), 0);
    for (const Edges &p : room.pieces)
        for (qint64 y = std::max<qint64>(p.top, 0); y < std::min<qint64>(p.bottom, H); ++y)
            std::fill_n(&cell[size_t(y) * size_t(W) + size_t(std::max<qint64>(p.left, 0))],
                std::min<qint64>(p.right, W) - std::max<qint64>(p.left, 0), 1);
    std::vector<quint32> queue;
    auto visit = [&](int x, int y) {
        uchar &c = cell[size_t(y) * size_t(W) + size_t(x)];
        if (c == 0) {
            c = 2;
            queue.push_back(quint32(size_t(y) * size_t(W) + size_t(x)));
        }
    };
    visit(room.size.width() / 3, H - 1);
    visit(0, H / 2);
    for (size_t i = 0; i < queue.size(); ++i) {
        const int x = int(queue[i] % quint32(W)), y = int(queue[i] / quint32(W));
        if (x > 0)
            visit(x - 1, y);
        if (x + 1 < W)
            visit(x + 1, y);
        if (y > 0)
            visit(x, y - 1);
        if (y + 1 < H)
            visit(x, y + 1);
    }
    return queue.size();
}

long peakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main()
{
    const Room rooms[] = {
        gridRoom("700 x 500, 30 pieces, 2 doors", {700, 500}, 30, 40, 95, 16.0),
        gridRoom("4096 x 4096, 32,767 pieces, 2 doors", {4096, 4096}, 32767, 15, 22, 1000.0),
    };
    std::printf("Walkway widths of every piece, milliseconds (median of %d runs)\n\n", runs);
    std::printf("%-40s %12s %12s %8s   %s\n", "room", "all widths", "one flood", "ratio", "goal");
    bool ok = true;
    for (const Room &room : rooms) {
        size_t reachedPieces = 0;
        const double all = medianMs([&] {
            const WalkwayMap map(room.size, room.pieces, room.doors);
            const std::vector<int> widths = map.walkwayWidths(room.pieces);
            reachedPieces
                = size_t(std::count_if(widths.begin(), widths.end(), [](int w) { return w > 0; }));
        });
        size_t flooded = 0;
        const double baseline = medianMs([&] { flooded = flood(room); });
        if (reachedPieces == 0 || flooded == 0) {
            std::fprintf(stderr, "walkways_bench: %s: nothing was reached\n", room.title);
            return 1;
        }
        const bool pass = all < room.goalMs;
        ok = ok && pass;
        std::printf("%-40s %12.2f %12.2f %7.1fx   under %.0f ms %s\n", room.title, all, baseline,
            all / baseline, room.goalMs, pass ? "PASS" : "OVER");
    }
    // The large room last: the peak is its map and its pieces.
    const Room &large = rooms[1];
    const double cells = double(large.size.width()) * large.size.height();
    const double perCell = double(peakKilobytes()) * 1024.0 / cells;
    std::printf("\npeak memory of the process per square centimetre of the large room: "
                "%.1f bytes (goal: at most 24) %s\n",
        perCell, perCell <= 24.0 ? "PASS" : "OVER");
    return ok ? 0 : 1;
}
