#include "plan/colors.h"
#include "plan/editor.h"
#include "support/fakewindow.h"
#include "support/planchecks.h"

#include <QRandomGenerator>
#include <QTest>

using namespace plandex;

namespace {

struct Room {
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e {window, prompts};

    explicit Room(QSize size) { e.K().resize(size); }
    bool refuses(double xa, double ya, double xb, double yb)
    {
        e.stolknov(xa, ya, xb, yb);
        return e.state().collided;
    }
};

} // namespace

class TestCollision : public QObject
{
    Q_OBJECT

private slots:
    void wallsAllowFlushOnly();
    void touchingCountsAsMeeting_data();
    void touchingCountsAsMeeting();
    void sixConditionsAreExactlyTheIntersection();
    void theCurrentObjectIsNoObstacle();
    void leavesSelectionAndHighlightAsTheyWere();
    void hitTestEdgesAndOrder();
    void hitTestMissKeepsNoHighlight();
    void indexAnswersLikeAPlainScan_data();
    void indexAnswersLikeAPlainScan();
};

void TestCollision::wallsAllowFlushOnly()
{
    Room r({300, 200});
    QVERIFY(!r.refuses(0, 0, 300, 200));
    QVERIFY(r.refuses(-1, 0, 10, 10));
    QVERIFY(r.refuses(0, -0.5, 10, 10));
    QVERIFY(r.refuses(0, 0, 300.5, 10));
    QVERIFY(r.refuses(0, 0, 10, 201));
}

void TestCollision::touchingCountsAsMeeting_data()
{
    QTest::addColumn<QRectF>("candidate"); // left, top, right, bottom as corners
    QTest::addColumn<bool>("refused");

    auto corners = [](double l, double t, double r, double b) {
        return QRectF(QPointF(l, t), QPointF(r, b));
    };
    QTest::newRow("touches the right edge") << corners(150, 120, 200, 130) << true;
    QTest::newRow("one column away") << corners(151, 120, 200, 130) << false;
    QTest::newRow("shares only a corner") << corners(150, 150, 160, 160) << true;
    QTest::newRow("diagonal, one away") << corners(151, 151, 160, 160) << false;
    QTest::newRow("touches the top edge from above") << corners(110, 80, 120, 100) << true;
    QTest::newRow("encloses it") << corners(50, 50, 200, 200) << true;
    QTest::newRow("right edge runs through it") << corners(0, 0, 120, 300) << true;
    QTest::newRow("left edge runs through it") << corners(120, 0, 300, 300) << true;
    QTest::newRow("crosses it horizontally") << corners(0, 120, 300, 130) << true;
    QTest::newRow("inside it") << corners(110, 110, 120, 120) << true;
    QTest::newRow("fractional, just clear") << corners(150.5, 120, 200, 130) << false;
}

void TestCollision::touchingCountsAsMeeting()
{
    QFETCH(QRectF, candidate);
    QFETCH(bool, refused);
    Room r({700, 500});
    addObject(r.e, "Стол", QRect(QPoint(100, 100), QPoint(150, 150)));
    r.e.table().select(-1);
    const QPointF tl = candidate.topLeft(), br = candidate.bottomRight();
    QCOMPARE(r.refuses(tl.x(), tl.y(), br.x(), br.y()), refused);
}

void TestCollision::sixConditionsAreExactlyTheIntersection()
{
    // Against every small ordered candidate around one object: refused
    // exactly when the closed rectangles share a point.
    Room r({40, 40});
    addObject(r.e, "o", QRect(QPoint(10, 12), QPoint(20, 18)));
    r.e.table().select(-1);
    const QRect object(QPoint(10, 12), QPoint(20, 18));
    int checked = 0;
    for (int l = 5; l <= 25; l += 2)
        for (int t = 6; t <= 24; t += 2)
            for (int w = 0; w <= 14; w += 3)
                for (int h = 0; h <= 14; h += 3) {
                    const QRect c(QPoint(l, t), QPoint(l + w, t + h));
                    const bool meets = c.left() <= object.right() && c.right() >= object.left()
                        && c.top() <= object.bottom() && c.bottom() >= object.top();
                    if (r.refuses(l, t, l + w, t + h) != meets)
                        QFAIL(qPrintable(
                            QString("candidate %1,%2 %3x%4").arg(l).arg(t).arg(w).arg(h)));
                    ++checked;
                }
    QVERIFY(checked > 1000);
}

void TestCollision::theCurrentObjectIsNoObstacle()
{
    Room r({700, 500});
    addObject(r.e, "A", QRect(QPoint(100, 100), QPoint(150, 150)));
    addObject(r.e, "B", QRect(QPoint(300, 300), QPoint(350, 350)));
    r.e.table().select(0);
    QVERIFY(!r.refuses(120, 120, 170, 170)); // A overlapping its own place
    QVERIFY(r.refuses(260, 260, 300, 300)); // but B still counts
    // The current object is the last row: every other row is compared.
    r.e.table().select(1);
    QVERIFY(r.refuses(140, 140, 160, 160));
    QVERIFY(!r.refuses(310, 310, 320, 320));
    // Only the current one: just the walls.
    Room single({300, 200});
    addObject(single.e, "A", QRect(QPoint(10, 10), QPoint(20, 20)));
    single.e.table().select(0);
    QVERIFY(!single.refuses(0, 0, 300, 200));
}

void TestCollision::leavesSelectionAndHighlightAsTheyWere()
{
    Room r({700, 500});
    addObject(r.e, "A", QRect(QPoint(100, 100), QPoint(150, 150)));
    addObject(r.e, "B", QRect(QPoint(300, 300), QPoint(350, 350)));
    addObject(r.e, "C", QRect(QPoint(500, 100), QPoint(550, 150)));
    r.e.table().select(1);
    QCOMPARE(r.e.K().point(300, 300), colors::green);
    const QImage before = r.e.K().image();
    int clicks = 0;
    QObject::connect(&r.e.table(), &ObjectTable::clicked, [&] { ++clicks; });

    QVERIFY(r.refuses(90, 90, 120, 120));
    const WindowState &s = r.e.state();
    QCOMPARE(r.e.table().selection(), 1);
    QCOMPARE(QList<qint32>({s.objLeft, s.objTop, s.objRight, s.objBottom}),
        QList<qint32>({300, 300, 350, 350}));
    QVERIFY(s.listReady);
    QCOMPARE(r.e.table().savedIndex(), QString("1"));
    QCOMPARE(r.e.K().image(), before);
    QCOMPARE(clicks, 0); // nothing was highlighted on the way
}

void TestCollision::hitTestEdgesAndOrder()
{
    Room r({700, 500});
    addObject(r.e, "A", QRect(QPoint(100, 100), QPoint(150, 130)));
    addObject(r.e, "B", QRect(QPoint(140, 120), QPoint(200, 200))); // overlaps A (a loaded file)
    addObject(r.e, "swapped", QRect(QPoint(300, 300), QPoint(350, 350)));
    r.e.table().rewrite(2, "swapped", "350|300", "300|350"); // right left of left
    r.e.OBNOV();

    r.e.testpoz(145, 125); // in both: the lower index wins
    QCOMPARE(r.e.table().selection(), 0);
    QCOMPARE(r.window.labelW, QString("50"));
    QCOMPARE(r.window.labelH, QString("30"));
    QCOMPARE(r.e.K().point(100, 100), colors::green);

    r.e.testpoz(200, 200); // the bottom-right corner is inside
    QCOMPARE(r.e.table().selection(), 1);
    QCOMPARE(r.e.K().point(100, 100), colors::blue);
    QCOMPARE(r.e.K().point(200, 200), colors::green);

    r.e.testpoz(320, 320); // never hit with swapped corners
    QCOMPARE(r.e.table().selection(), -1);
    QVERIFY(r.e.state().listReady);
}

void TestCollision::hitTestMissKeepsNoHighlight()
{
    Room r({700, 500});
    addObject(r.e, "A", QRect(QPoint(100, 100), QPoint(150, 130)));
    r.e.testpoz(120, 120);
    QCOMPARE(r.e.K().point(120, 120), colors::green);
    r.window.labelW = "unchanged";
    r.e.testpoz(151, 130);
    QCOMPARE(r.e.table().selection(), -1);
    QCOMPARE(r.e.K().point(120, 120), colors::blue);
    QCOMPARE(r.window.labelW, QString("unchanged"));
    QCOMPARE(planFault(r.e), QString());
}

void TestCollision::indexAnswersLikeAPlainScan_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<int>("wideShare"); // one pair in this many spans far; 0: none

    QTest::newRow("furniture") << QSize(1808, 1631) << 0;
    QTest::newRow("with room-sized rows") << QSize(4096, 4096) << 12;
}

// The grid behind both tests gives exactly what a scan of every row in
// table order gives, through appends, rewrites, removals and clears, with
// swapped corners, rows beyond the room, rows over the whole room and
// shared edges.
void TestCollision::indexAnswersLikeAPlainScan()
{
    QFETCH(QSize, room);
    QFETCH(int, wideShare);
    const int W = room.width(), H = room.height();
    Room r(room);
    ObjectTable &t = r.e.table();
    QRandomGenerator random(4242);
    // A coarse lattice, mostly in one corner of the room, makes shared
    // edges, corners and overlapping rows common.
    auto coord = [&](int hi) {
        const int r = random.bounded(12);
        return r == 0 ? random.bounded(-400, 4500)
            : r < 4   ? random.bounded(hi / 10) * 10
                      : random.bounded(30) * 10;
    };
    auto pair = [&](int hi) {
        if (wideShare > 0 && random.bounded(wideShare) == 0) {
            const int a = random.bounded(2) ? 0 : coord(hi), b = a + random.bounded(300, 5000);
            return random.bounded(6) == 0 ? QString("%1|%2").arg(b).arg(a)
                                          : QString("%1|%2").arg(a).arg(b);
        }
        const int a = coord(hi),
                  b
            = random.bounded(8) == 0 ? a - random.bounded(60) : a + random.bounded(1, 8) * 10;
        if (random.bounded(60) == 0)
            return QString("99999999999|%1").arg(b); // does not fit: no index
        return QString("%1|%2").arg(a).arg(b);
    };
    struct Box {
        qint64 l, t, r, b;
    };
    auto boxOf = [&](int i) {
        const auto &row = t.row(i);
        return Box {
            *row.xValues.first, *row.yValues.first, *row.xValues.second, *row.yValues.second};
    };
    auto meetsAsWritten = [](const Box &o, double Xa, double Ya, double Xb, double Yb) {
        const double l = o.l, tp = o.t, rt = o.r, b = o.b;
        return (l <= Xa && Xa <= rt && Ya <= b && Yb >= tp)
            || (l <= Xb && Xb <= rt && tp <= Yb && Yb <= b)
            || (l <= Xb && Xb <= rt && tp <= Ya && Ya <= b)
            || (Xa <= l && Xb >= rt && Ya <= tp && Yb >= tp)
            || (Xa <= l && Xb >= rt && tp <= Ya && Ya <= b)
            || (l <= Xb && Xb <= rt && Ya <= tp && Yb >= b);
    };
    int compared = 0, collisions = 0, hits = 0;
    for (int step = 0; step < 1500; ++step) {
        const int op = random.bounded(20);
        if (op < 9 || t.count() == 0)
            t.append("o", pair(W), pair(H));
        else if (op < 14)
            t.rewrite(random.bounded(t.count()), "o", pair(W), pair(H));
        else if (op < 19)
            t.removeAt(random.bounded(t.count()));
        else if (random.bounded(10) == 0)
            t.clear();

        bool readable = true;
        for (int i = 0; i < t.count() && readable; ++i)
            readable = t.row(i).xValues.first && t.row(i).yValues.first;
        QCOMPARE(t.places().usable(), readable);
        if (!readable)
            continue;
        for (int q = 0; q < 4; ++q) {
            const int exempt = t.count() ? random.bounded(-1, t.count()) : -1;
            t.select(exempt);
            const double Xa = coord(W) + (random.bounded(4) == 0 ? 0.5 : 0);
            const double Ya = coord(H);
            const double Xb = Xa + random.bounded(-20, 300), Yb = Ya + random.bounded(-20, 300);
            bool expected = Xa < 0 || Ya < 0 || Xb > W || Yb > H ? true : false;
            for (int i = 0; i < t.count() && !expected && !(Xa < 0 || Ya < 0 || Xb > W || Yb > H);
                 ++i)
                expected = i != exempt && meetsAsWritten(boxOf(i), Xa, Ya, Xb, Yb);
            r.e.stolknov(Xa, Ya, Xb, Yb);
            QCOMPARE(r.e.state().collided, expected);
            QCOMPARE(t.selection(), exempt);

            const double X = coord(W) + random.bounded(3) * 0.5, Y = coord(H);
            int lowest = -1;
            for (int i = 0; i < t.count() && lowest < 0; ++i) {
                const Box b = boxOf(i);
                if (b.t <= Y && b.b >= Y && b.l <= X && b.r >= X)
                    lowest = i;
            }
            r.e.testpoz(X, Y);
            QCOMPARE(t.selection(), lowest);
            if (t.count() > 0) {
                const Box loaded = boxOf(lowest >= 0 ? lowest : t.count() - 1);
                const WindowState &s = r.e.state();
                QCOMPARE(QList<qint64>({s.objLeft, s.objTop, s.objRight, s.objBottom}),
                    QList<qint64>({loaded.l, loaded.t, loaded.r, loaded.b}));
            }
            collisions += expected;
            hits += lowest >= 0;
            ++compared;
        }
    }
    // Each answer both ways, often enough to mean something.
    QVERIFY2(collisions > 300 && compared - collisions > 300 && hits > 50 && compared - hits > 300,
        qPrintable(
            QString("%1 collisions, %2 hits of %3").arg(collisions).arg(hits).arg(compared)));
}

QTEST_APPLESS_MAIN(TestCollision)
#include "test_collision.moc"
