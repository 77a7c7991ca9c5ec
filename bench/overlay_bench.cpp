// What names and distances over the plan cost a drag: one mouse move on a
// real plan view, from the event to the repaint of what it changed in the
// window's backing store, with the overlay on against the same move with
// it off. 32,767 objects in the 1808 x 1631 plan, offscreen on a screen of
// 1280 x 1024 on which the plan scrolls, with HOME and the XDG folders in a
// temporary folder.

#include "app/mainwindow.h"
#include "support/fakewindow.h"
#include "view/planview.h"
#include "viewbench.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace plandex;
using namespace plandex::bench;

namespace {

// Rounds of off and on taken in turn, so that a change of the machine's
// load falls on both.
constexpr int rounds = 3;

void check(bool ok, const char *what)
{
    if (ok)
        return;
    std::fprintf(stderr, "plandex_overlay_bench: error: %s\n", what);
    std::exit(1);
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject * /*watched*/, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

struct Bench {
    Layout L = makeLayout(ObjectTable::maxRows, false);
    ScriptedPrompts prompts;
    MainWindow window {&prompts};
    Editor &e = window.editor();
    PlanView &view = window.planView();
    PaintCounter counter;

    Bench()
    {
        check(showLayout(window, L), "the table took no rows");
        // Scrolled to the top right, where the drags go.
        for (QScrollBar *bar : view.findChildren<QScrollBar *>())
            bar->setValue(bar->orientation() == Qt::Horizontal ? bar->maximum() : 0);
        settle();
        check(view.scrollOffset().x() > 0, "the plan does not scroll");
        view.installEventFilter(&counter);
    }

    // The queued repaint request, then the paint it asks for.
    static void settle()
    {
        for (int i = 0; i < 2; ++i)
            QCoreApplication::processEvents();
    }
    void send(QEvent::Type type, QPoint plan, Qt::MouseButtons held)
    {
        const QPointF at = plan - view.scrollOffset() + view.contentsRect().topLeft();
        QMouseEvent event(type, at, view.mapToGlobal(at),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &event);
    }
    // A move to plan point at, painted.
    void move(QPoint at)
    {
        const int before = counter.paints;
        send(QEvent::MouseMove, at, Qt::LeftButton);
        settle();
        check(counter.paints > before, "a move was not painted");
    }
    // Another button abandons the drag; the table keeps what it had.
    void abandon(QPoint at)
    {
        send(QEvent::MouseMove, at, Qt::LeftButton | Qt::RightButton);
        send(QEvent::MouseButtonRelease, at, Qt::NoButton);
        settle();
    }
};

struct Row {
    const char *name;
    double off = 0, on = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    check(useBenchScreen(home), "no temporary folder or screen");
    QApplication app(argc, argv);

    Bench b;
    const Layout &L = b.L;
    const int n = L.count;
    // The last object of the tenth row of the grid: shown, next to the
    // free strip.
    const Rect last = L.object(10 * L.cols - 1);
    const QPoint grip(last.l + 3, last.t + 3);

    // Each drag alternates between two accepted previews, as the editing
    // benchmark's do.
    auto createBand = [&] {
        b.e.create_Click();
        const QPoint press(L.stripLeft + 10, 10);
        b.send(QEvent::MouseButtonPress, press, Qt::LeftButton);
        const QPoint ends[2] = {press + QPoint(60, 50), press + QPoint(80, 70)};
        int k = 0;
        const double us = measure([&] {
            const QPoint at = ends[k++ & 1];
            b.move(at);
            check(b.e.state().dragRight == at.x(), "the band was refused");
        });
        b.abandon(press);
        return us;
    };
    // Between two places 40 cm apart, as the editing benchmark moves, and
    // by 2 cm, as a hand drags.
    auto moveObject = [&](int step) {
        b.e.selct_Click();
        b.send(QEvent::MouseButtonPress, grip, Qt::LeftButton);
        check(b.e.state().pressX == grip.x(), "the press grabbed nothing");
        const Rect targets[2] = {L.stripPlace(20, 120), L.stripPlace(20 + step, 120 + step)};
        int k = 0;
        const double us = measure([&] {
            const Rect &t = targets[k++ & 1];
            b.move(grip + QPoint(t.l - last.l, t.t - last.t));
            check(
                b.e.state().dragLeft == t.l && b.e.state().dragTop == t.t, "the move was refused");
        });
        b.abandon(grip);
        return us;
    };
    auto resizeObject = [&] {
        b.e.Rsiz_Click();
        b.send(QEvent::MouseButtonPress, grip, Qt::LeftButton);
        int k = 0;
        const double us = measure([&] {
            const int d = (k++ & 1) ? -2 : -1;
            b.move(grip + QPoint(d, d));
            check(b.e.state().dragRight == last.r + d, "the resize was refused");
        });
        b.abandon(grip);
        return us;
    };

    Row rows[] = {{"mouse move, create band"}, {"mouse move, move"}, {"mouse move, move by 2 cm"},
        {"mouse move, resize"}};
    const std::function<double()> drags[]
        = {createBand, [&] { return moveObject(40); }, [&] { return moveObject(2); }, resizeObject};
    for (size_t r = 0; r < std::size(rows); ++r) {
        std::vector<double> off, on;
        for (int round = 0; round < rounds; ++round) {
            b.view.setOverlay(false);
            off.push_back(drags[r]());
            b.view.setOverlay(true);
            on.push_back(drags[r]());
        }
        std::sort(off.begin(), off.end());
        std::sort(on.begin(), on.end());
        rows[r].off = off[rounds / 2];
        rows[r].on = on[rounds / 2];
    }
    check(b.e.table().count() == n && b.prompts.inputPrompts.isEmpty(), "a drag changed the room");

    std::printf("\nPlan view with names and distances, 32,767 objects in %dx%d: microseconds per "
                "mouse move,\nrepaint included (median of %d rounds of %d batches)\n\n",
        L.width, L.height, rounds, batches);
    std::printf("  %-26s %10s %10s %8s\n", "", "off", "on", "on/off");
    for (const Row &row : rows) {
        const double ratio = row.on / row.off;
        std::printf("  %-26s %10.1f %10.1f %7.2fx  (limit 2x) %s\n", row.name, row.off, row.on,
            ratio, ratio <= 2 ? "PASS" : "OVER");
    }
    return 0;
}
