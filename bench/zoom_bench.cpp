// What zoom costs the real plan view, offscreen on a screen of 1280 x 1024
// with HOME and the XDG folders in a temporary folder: a drag's mouse move
// at 400% against the same at 100% (32,767 objects in 1808 x 1631, from
// the event to the repaint of what it changed in the window's backing
// store); the repaint of the whole view of a 4096 x 4096 room zoomed to
// the window; a zoom step from the key to the repainted view; and, with
// names and distances on, a move at 32,767 objects against one at 100.

#include "app/mainwindow.h"
#include "support/fakewindow.h"
#include "view/planview.h"
#include "viewbench.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

using namespace plandex;
using namespace plandex::bench;

namespace {

constexpr int rounds = 3;

// The processor time of this process, which Qt's painting shares out
// among threads of its own at times: the machine's other load moves it far
// less than the clock, and it is never less than the time the work takes.
struct ProcessClock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<ProcessClock>;
    static time_point now()
    {
        timespec t {};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return time_point(duration(qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec));
    }
};

double cpu(const std::function<void()> &op)
{
    return measure<ProcessClock>(op);
}

void check(bool ok, const char *what)
{
    if (ok)
        return;
    std::fprintf(stderr, "plandex_zoom_bench: error: %s\n", what);
    std::exit(1);
}

// The queued repaint request, then the paint it asks for.
void settle()
{
    for (int i = 0; i < 2; ++i)
        QCoreApplication::processEvents();
}

class PaintCounter : public QObject
{
public:
    int paints = 0;
    QRegion last;

protected:
    bool eventFilter(QObject * /*watched*/, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            last = static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }
};

// A main window with the benchmarks' room of count objects, in a room of
// the layout's size or of room.
struct Window {
    Layout L;
    ScriptedPrompts prompts;
    MainWindow window {&prompts};
    Editor &e = window.editor();
    PlanView &view = window.planView();
    PaintCounter counter;

    explicit Window(int count, QSize room = {})
        : L(makeLayout(count, false))
    {
        check(showLayout(window, L, room), "the table took no rows");
        view.installEventFilter(&counter);
    }
    // Whether the whole view was painted since the count given.
    bool paintedWhole(int since) const
    {
        return counter.paints > since && counter.last.contains(view.contentsRect().center());
    }
    // Scrolled to the top right, where the drags go.
    void scrollToTheStrip()
    {
        for (QScrollBar *bar : view.findChildren<QScrollBar *>())
            bar->setValue(bar->orientation() == Qt::Horizontal ? bar->maximum() : 0);
        settle();
    }
    void send(QEvent::Type type, QPoint room, Qt::MouseButtons held)
    {
        const double zoom = view.zoom() / 100.0;
        const QPointF at
            = QPointF(room) * zoom - QPointF(view.scrollOffset()) + view.contentsRect().topLeft();
        QMouseEvent event(type, at, view.mapToGlobal(at),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &event);
    }
    // Microseconds a move between two places 40 cm apart takes, painted.
    double moves()
    {
        const Rect last = L.object(std::min(10, L.rows) * L.cols - 1);
        const QPoint grip(last.l + 3, last.t + 3);
        e.selct_Click();
        send(QEvent::MouseButtonPress, grip, Qt::LeftButton);
        check(e.state().pressX == grip.x(), "the press grabbed nothing");
        const Rect targets[2] = {L.stripPlace(20, 120), L.stripPlace(60, 160)};
        int k = 0;
        const double us = cpu([&] {
            const Rect &t = targets[k++ & 1];
            send(QEvent::MouseMove, grip + QPoint(t.l - last.l, t.t - last.t), Qt::LeftButton);
            settle();
            check(e.state().dragLeft == t.l && e.state().dragTop == t.t, "the move was refused");
        });
        send(QEvent::MouseMove, grip, Qt::LeftButton | Qt::RightButton);
        send(QEvent::MouseButtonRelease, grip, Qt::NoButton);
        settle();
        return us;
    }
};

void row(const char *name, double value, const char *unit, double limit, const char *limitUnit)
{
    std::printf("  %-58s %10.2f%s (limit %g%s) %s\n", name, value, unit, limit, limitUnit,
        value <= limit ? "PASS" : "OVER");
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    check(useBenchScreen(home), "no temporary folder or screen");
    QApplication app(argc, argv);

    Window full(ObjectTable::maxRows);
    Window start(100);
    // Rounds taken in turn, so that a change of the machine's load falls
    // on both sides of a ratio.
    auto inTurn = [](const std::function<double()> &a, const std::function<double()> &b) {
        std::vector<double> as, bs;
        for (int round = 0; round < rounds; ++round) {
            as.push_back(a());
            bs.push_back(b());
        }
        std::sort(as.begin(), as.end());
        std::sort(bs.begin(), bs.end());
        return std::pair(as[rounds / 2], bs[rounds / 2]);
    };
    auto movesAt = [&full](int percent) {
        full.view.setZoom(percent);
        full.scrollToTheStrip();
        return full.moves();
    };
    const auto [at100, at400] = inTurn([&] { return movesAt(100); }, [&] { return movesAt(400); });

    // Zoom steps from the key, each way, painted, about the middle of the
    // objects.
    auto steps = [&](int from, int to) {
        full.view.setZoom(from);
        for (QScrollBar *bar : full.view.findChildren<QScrollBar *>())
            bar->setValue(bar->maximum() / 3);
        settle();
        full.window.activateWindow();
        check(QTest::qWaitForWindowActive(&full.window), "the window did not become active");
        int k = 0;
        return cpu([&] {
            const bool up = (k++ & 1) == (from < to ? 0 : 1);
            const int before = full.counter.paints;
            QTest::keyClick(&full.window, up ? Qt::Key_Equal : Qt::Key_Minus, Qt::ControlModifier);
            settle();
            check(full.paintedWhole(before), "a zoom step was not painted");
            check(full.view.zoom() == (up ? std::max(from, to) : std::min(from, to)),
                "the key did not zoom");
        });
    };
    const double up200 = steps(100, 200);
    const double down50 = steps(100, 50);
    full.view.setZoom(100);

    full.view.setOverlay(true);
    full.scrollToTheStrip();
    start.view.setOverlay(true);
    const auto [labelledStart, labelledFull]
        = inTurn([&] { return start.moves(); }, [&] { return full.moves(); });

    Window largest(ObjectTable::maxRows, {4096, 4096});
    largest.view.setZoom(largest.view.fittingZoom());
    settle();
    const double repaint = cpu([&] {
        const int before = largest.counter.paints;
        largest.view.repaint();
        check(largest.paintedWhole(before), "the view was not painted");
    });

    std::printf("\nZoom on the plan view (microseconds of processor time, median of %d rounds "
                "of %d batches)\n\n",
        rounds, batches);
    std::printf("  %-58s %10.1f\n", "mouse move, move, 32,767 objects at 100%", at100);
    std::printf("  %-58s %10.1f\n", "the same at 400%", at400);
    std::printf("  %-58s %10.1f\n", "zoom step 100% <-> 200% (Ctrl+= / Ctrl+-), painted", up200);
    std::printf("  %-58s %10.1f\n", "zoom step 100% <-> 50%, painted", down50);
    std::printf(
        "  %-58s %10.1f\n", "repaint of the whole view, 4096 x 4096 at the window's size", repaint);
    std::printf("  %-58s %10.1f\n", "names and distances on: move, 100 objects", labelledStart);
    std::printf("  %-58s %10.1f\n", "names and distances on: move, 32,767 objects", labelledFull);
    std::printf("\nGoals\n");
    row("move at 400% / at 100%", at400 / at100, "x", 1.5, "x");
    row("repaint at \"По размеру окна\", 4096 x 4096", repaint / 1000, " ms", 16, " ms");
    row("zoom step, 32,767 objects", std::max(up200, down50) / 1000, " ms", 50, " ms");
    row("names on: move at 32,767 / at 100 objects", labelledFull / labelledStart, "x", 1.5, "x");
    return 0;
}
