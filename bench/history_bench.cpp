// Memory of the undo history on a full table of 32,767 objects: what one
// move keeps, what a thousand moves keep, what a whole new room keeps, and
// how long one undo of a move takes (it redraws the whole plan).

#include "plan/editor.h"
#include "support/fakewindow.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>

using namespace plandex;

namespace {

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

void check(bool ok, const char *what)
{
    if (ok)
        return;
    std::fprintf(stderr, "history_bench: error: %s\n", what);
    std::exit(1);
}

QString pair(int a, int b)
{
    return QString::number(a) + '|' + QString::number(b);
}

std::vector<ObjectTable::Row> fullTable(int shift)
{
    std::vector<ObjectTable::Row> rows;
    for (int i = 0; i < ObjectTable::maxRows; ++i) {
        const int x = 1 + (i % 182) * 9 + shift, y = 1 + (i / 182) * 9;
        rows.push_back(ObjectTable::makeRow(
            QStringLiteral("Объект %1").arg(i + 1), pair(x, x + 7), pair(y, y + 7)));
    }
    return rows;
}

} // namespace

int main()
{
    constexpr int steps = RoomHistory::stepLimit;
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.load();
    e.K().resize({1700, 1700});
    e.table().replaceAll(fullTable(0));
    e.OBNOV();
    const int n = e.table().count();

    for (int k = 0; k < steps; ++k) {
        // What a committed move does: rewrite one row, record it.
        const int i = (k * 7919) % n;
        const ObjectTable::Row before = e.table().row(i);
        const int x = before.xValues.first.value_or(0) + (k % 2 ? -1 : 1);
        e.table().rewrite(i, before.name, " " + pair(x, x + 7), before.y);
        e.history().rowRewritten(i, before);
    }
    check(e.history().stack().count() == steps, "not every move was recorded");

    const auto t0 = std::chrono::steady_clock::now();
    e.history().undo(); // one move, with its redraw
    const auto t1 = std::chrono::steady_clock::now();

    // What the history keeps is what clearing it gives back.
    size_t before = heapInUse();
    e.history().stack().clear();
    const size_t movesKept = before - heapInUse();

    RoomContents old {e.K().size(), e.table().rows(), {}};
    e.table().replaceAll(fullTable(1));
    e.history().roomReplaced(std::move(old));
    before = heapInUse();
    e.history().stack().clear();
    const size_t roomKept = before - heapInUse();

    const double mb = 1024.0 * 1024.0;
    std::printf("Undo history at %d objects\n\n", n);
    std::printf("%-40s%12.0f\n", "bytes kept per move step", double(movesKept) / steps);
    std::printf("%-40s%12.2f\n", "MB kept by 1,000 move steps", double(movesKept) / mb);
    std::printf("%-40s%12.2f\n", "MB kept by one whole-room step", double(roomKept) / mb);
    std::printf("%-40s%12.2f\n", "ms for the undo of one move",
        std::chrono::duration<double, std::milli>(t1 - t0).count());
    return 0;
}
