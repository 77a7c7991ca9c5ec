#include "placement/freeplace.h"
#include "plan/editor.h"
#include "support/fakewindow.h"

#include <QRandomGenerator>
#include <QTest>

using namespace plandex;

class TestFreePlace : public QObject
{
    Q_OBJECT

private slots:
    void examples_data();
    void examples();
    void matchesTheCollisionTestEverywhere_data();
    void matchesTheCollisionTestEverywhere();
};

namespace {

struct Room {
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e {window, prompts};
    SpatialIndex::Box scanStart {0, 0, 0, 0};

    explicit Room(QSize size) { e.K().resize(size); }

    std::optional<QPoint> search(QSize box, QPoint target, int exempt) const
    {
        return nearestFreePlace(
            e.table(), {e.K().size(), box.width(), box.height(), target, exempt}, scanStart);
    }

    // Every corner tried with the collision test itself, the nearest kept:
    // topmost, then leftmost among equals. A few corners past the walls are
    // tried too, for the test to refuse.
    std::optional<QPoint> everyCorner(QSize box, QPoint target, int exempt)
    {
        e.table().select(exempt);
        std::optional<QPoint> best;
        qint64 bestD2 = 0;
        for (int y = -2; y <= e.K().height() + 2; ++y)
            for (int x = -2; x <= e.K().width() + 2; ++x) {
                // The test's scan reads rows from where it starts each time.
                WindowState &s = e.state();
                s.othLeft = scanStart.left;
                s.othTop = scanStart.top;
                s.othRight = scanStart.right;
                s.othBottom = scanStart.bottom;
                e.stolknov(x, y, x + box.width(), y + box.height());
                if (e.state().collided)
                    continue;
                const qint64 dx = x - target.x(), dy = y - target.y(), d2 = dx * dx + dy * dy;
                if (!best || d2 < bestD2) {
                    best = QPoint(x, y);
                    bestD2 = d2;
                }
            }
        return best;
    }
};

QString described(const std::optional<QPoint> &p)
{
    return p ? QString("(%1, %2)").arg(p->x()).arg(p->y()) : QString("none");
}

// A pair text as a file may hold it: in order, swapped, or with a number
// too large to read.
QString randomPair(QRandomGenerator &rng, int extent)
{
    const int a = rng.bounded(-4, extent + 4), b = a + rng.bounded(0, std::min(extent / 2, 40) + 2);
    switch (rng.bounded(8)) {
    case 0:
        return QString("%1|%2").arg(b).arg(a);
    case 1:
        return QString("1e12|%1").arg(b);
    default:
        return QString("%1|%2").arg(a).arg(b);
    }
}

} // namespace

void TestFreePlace::examples_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QList<QRect>>("objects");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<QString>("found");

    const QRect middle(QPoint(40, 40), QPoint(60, 60));
    // Above and left of the middle object are equally near: the top wins.
    QTest::newRow("a tie goes up") << QSize(100, 100) << QList<QRect> {middle} << QSize(10, 10)
                                   << QPoint(45, 45) << "(45, 29)";
    // Left and right equally near on the same line: the left wins.
    QTest::newRow("a tie on one line goes left")
        << QSize(100, 30) << QList<QRect> {QRect(QPoint(40, 0), QPoint(60, 30))} << QSize(10, 10)
        << QPoint(45, 10) << "(29, 10)";
    // Within 16 of the target only a diagonal corner is free; straight up,
    // just past that square, is nearer.
    QTest::newRow("nearer just past a free diagonal")
        << QSize(200, 200)
        << QList<QRect> {QRect(QPoint(85, 84), QPoint(116, 116)),
               QRect(QPoint(84, 85), QPoint(84, 116))}
        << QSize(0, 0) << QPoint(100, 100) << "(100, 83)";
    QTest::newRow("a tie at the end of a group of corners")
        << QSize(100, 10) << QList<QRect> {QRect(QPoint(62, 0), QPoint(62, 10))} << QSize(0, 0)
        << QPoint(62, 5) << "(61, 5)";
    QTest::newRow("wider than the room")
        << QSize(100, 100) << QList<QRect> {} << QSize(101, 10) << QPoint(0, 0) << "none";
    QTest::newRow("negative side")
        << QSize(100, 100) << QList<QRect> {} << QSize(-10, 10) << QPoint(50, 50) << "none";
    QTest::newRow("one object fills the room")
        << QSize(100, 100) << QList<QRect> {QRect(QPoint(0, 0), QPoint(100, 100))} << QSize(0, 0)
        << QPoint(50, 50) << "none";
    // Gaps of one centimetre between packed objects hold a point, no box.
    QList<QRect> packed;
    for (int y = 0; y < 100; y += 10)
        for (int x = 0; x < 100; x += 10)
            packed << QRect(QPoint(x, y), QPoint(x + 8, y + 8));
    QTest::newRow("packed, a box")
        << QSize(99, 99) << packed << QSize(1, 1) << QPoint(50, 50) << "none";
    QTest::newRow("packed, a point")
        << QSize(99, 99) << packed << QSize(0, 0) << QPoint(50, 50) << "(50, 49)";
}

void TestFreePlace::examples()
{
    QFETCH(QSize, room);
    QFETCH(QList<QRect>, objects);
    QFETCH(QSize, box);
    QFETCH(QPoint, target);
    QFETCH(QString, found);
    Room r(room);
    for (const QRect &o : objects)
        r.e.table().append("o", QString("%1|%2").arg(o.left()).arg(o.right()),
            QString("%1|%2").arg(o.top()).arg(o.bottom()));
    QCOMPARE(described(r.search(box, target, -1)), found);
}

void TestFreePlace::matchesTheCollisionTestEverywhere_data()
{
    QTest::addColumn<int>("rooms");
    QTest::addColumn<int>("largestSide");
    QTest::addColumn<int>("mostRows");
    // Small rooms try every kind of row; larger ones, past a few cells of
    // the grid, also the searches that ask the grid for nearby rows.
    QTest::newRow("small rooms") << 1500 << 40 << 14;
    QTest::newRow("larger rooms") << 60 << 260 << 40;
}

void TestFreePlace::matchesTheCollisionTestEverywhere()
{
    QFETCH(int, rooms);
    QFETCH(int, largestSide);
    QFETCH(int, mostRows);
    QRandomGenerator rng(20240611u + quint32(largestSide));
    for (int n = 0; n < rooms; ++n) {
        Room r({rng.bounded(3, largestSide + 1), rng.bounded(3, largestSide + 1)});
        const int W = r.e.K().width(), H = r.e.K().height();
        const int rows = rng.bounded(mostRows + 1);
        for (int i = 0; i < rows; ++i)
            r.e.table().append("o", randomPair(rng, W), randomPair(rng, H));
        r.scanStart
            = {rng.bounded(-5, W), rng.bounded(-5, H), rng.bounded(-5, W), rng.bounded(-5, H)};
        const QSize box(rng.bounded(std::min(W / 2, 40) + 1), rng.bounded(std::min(H / 2, 40) + 1));
        const int exempt = rows > 0 && rng.bounded(2) ? rng.bounded(rows) : -1;
        // Often where the exempt row stands, as a turn asks.
        QPoint target(rng.bounded(-10, W + 10), rng.bounded(-10, H + 10));
        if (exempt >= 0 && rng.bounded(2))
            target = QPoint(r.e.table().row(exempt).xValues.first.value_or(0),
                r.e.table().row(exempt).yValues.first.value_or(0));
        const auto fast = r.search(box, target, exempt);
        const auto slow = r.everyCorner(box, target, exempt);
        if (fast != slow)
            QFAIL(
                qPrintable(QString::asprintf("room %d (%d x %d, %d rows, box %d x %d, target (%d, "
                                             "%d)): found %s, the collision test allows %s",
                    n, W, H, rows, box.width(), box.height(), target.x(), target.y(),
                    qPrintable(described(fast)), qPrintable(described(slow)))));
    }
}

QTEST_MAIN(TestFreePlace)
#include "test_freeplace.moc"
