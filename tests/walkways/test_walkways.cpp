#include "walkways/walkways.h"

#include <QRandomGenerator>
#include <QTest>

#include <deque>

using namespace plandex;
using Wall = Entrance::Wall;

class TestWalkways : public QObject
{
    Q_OBJECT

private slots:
    void examples_data();
    void examples();
    void matchesThePlainSearch_data();
    void matchesThePlainSearch();
    void floorAndNarrowestPlace();
};

namespace {

// The plain search: for each width, every position a square of it can
// reach from the entrances, one step at a time; a piece's walkway is the
// widest that stands touching it.
std::vector<int> plainWalkways(
    QSize room, const std::vector<Edges> &pieces, const std::vector<Entrance> &entrances)
{
    const int W = room.width(), H = room.height();
    std::vector<Edges> ordered;
    for (const Edges &p : pieces)
        ordered.push_back(Edges::ordered(p.left, p.top, p.right, p.bottom));
    std::vector<int> widths(pieces.size(), 0);
    for (int w = 1; w <= std::max(W, H); ++w) {
        auto free = [&](qint64 x, qint64 y) {
            if (x < 0 || y < 0 || x + w > W || y + w > H)
                return false;
            for (const Edges &o : ordered) {
                if (o.left < o.right && o.top < o.bottom && x < o.right && o.left < x + w
                    && y < o.bottom && o.top < y + w)
                    return false;
            }
            return true;
        };
        std::vector<char> seen(size_t(W) * size_t(H), 0);
        std::deque<QPoint> queue;
        auto visit = [&](int x, int y) {
            if (!free(x, y) || seen[size_t(y) * size_t(W) + size_t(x)])
                return;
            seen[size_t(y) * size_t(W) + size_t(x)] = 1;
            queue.push_back({x, y});
        };
        for (const Entrance &e : entrances) {
            for (int a = e.start; a + w <= e.start + e.width; ++a) {
                switch (e.wall) {
                case Wall::Top:
                    visit(a, 0);
                    break;
                case Wall::Bottom:
                    visit(a, H - w);
                    break;
                case Wall::Left:
                    visit(0, a);
                    break;
                case Wall::Right:
                    visit(W - w, a);
                    break;
                }
            }
        }
        while (!queue.empty()) {
            const QPoint p = queue.front();
            queue.pop_front();
            visit(p.x() - 1, p.y());
            visit(p.x() + 1, p.y());
            visit(p.x(), p.y() - 1);
            visit(p.x(), p.y() + 1);
            for (size_t i = 0; i < ordered.size(); ++i) {
                const Edges &o = ordered[i];
                const qint64 x = p.x(), y = p.y();
                // Sharing a stretch of positive length, never a point.
                const bool sideways = (x + w == o.left || x == o.right)
                    && std::min(y + w, o.bottom) > std::max(y, o.top);
                const bool upDown = (y + w == o.top || y == o.bottom)
                    && std::min(x + w, o.right) > std::max(x, o.left);
                if (sideways || upDown)
                    widths[i] = w;
            }
        }
    }
    return widths;
}

struct Example {
    QSize room;
    std::vector<Edges> pieces;
    std::vector<Entrance> entrances;
};

} // namespace

Q_DECLARE_METATYPE(Example)

void TestWalkways::examples_data()
{
    QTest::addColumn<Example>("example");
    QTest::addColumn<QList<int>>("widths");

    // A 400 x 300 room with a door of 80 in the bottom wall at 100.
    const Entrance door {Wall::Bottom, 100, 80};
    QTest::newRow("a piece in an empty room: the door is the narrowest")
        << Example {{400, 300}, {{50, 50, 150, 100}}, {door}} << QList<int> {80};
    QTest::newRow("no entrance, nothing reached")
        << Example {{400, 300}, {{50, 50, 150, 100}}, {}} << QList<int> {0};
    QTest::newRow("a door narrower than any person but 30")
        << Example {{400, 300}, {{50, 50, 150, 100}}, {{Wall::Left, 20, 30}}} << QList<int> {30};
    // Two pieces leave a gap of 50 between them across the room; the third
    // stands behind it.
    QTest::newRow("behind a gap of 50") << Example {{400, 300},
        {{0, 150, 170, 170}, {220, 150, 400, 170}, {50, 20, 150, 60}}, {door}}
                                        << QList<int> {80, 80, 50};
    QTest::newRow("flush against three walls, reached from below")
        << Example {{200, 100}, {{0, 0, 200, 40}}, {{Wall::Bottom, 0, 200}}} << QList<int> {60};
    QTest::newRow("shut in by the walls and a piece")
        << Example {{300, 200}, {{0, 100, 300, 110}, {10, 10, 20, 20}}, {{Wall::Bottom, 0, 300}}}
        << QList<int> {90, 0};
}

void TestWalkways::examples()
{
    QFETCH(Example, example);
    QFETCH(QList<int>, widths);
    const WalkwayMap map(example.room, example.pieces, example.entrances);
    const std::vector<int> found = map.walkwayWidths(example.pieces);
    QCOMPARE(QList<int>(found.begin(), found.end()), widths);
    QCOMPARE(found, plainWalkways(example.room, example.pieces, example.entrances));
}

void TestWalkways::matchesThePlainSearch_data()
{
    QTest::addColumn<bool>("tidy");
    QTest::newRow("pieces apart, as the editor keeps them") << true;
    QTest::newRow("pieces anyhow: touching, overlapping, flat, past the walls") << false;
}

void TestWalkways::matchesThePlainSearch()
{
    QFETCH(bool, tidy);
    QRandomGenerator random(tidy ? 20261208 : 8121602);
    for (int round = 0; round < 150; ++round) {
        const QSize room(random.bounded(5, 61), random.bounded(5, 61));
        std::vector<Edges> pieces;
        for (int i = random.bounded(1, 7); i > 0; --i) {
            const qint64 l = random.bounded(-3, room.width() + 2);
            const qint64 t = random.bounded(-3, room.height() + 2);
            const Edges p {l, t, l + random.bounded(0, 25), t + random.bounded(0, 25)};
            const bool apart = std::all_of(pieces.begin(), pieces.end(), [&](const Edges &o) {
                return p.right < o.left || o.right < p.left || p.bottom < o.top || o.bottom < p.top;
            });
            const bool sound = p.left >= 0 && p.top >= 0 && p.right <= room.width()
                && p.bottom <= room.height() && p.right > p.left && p.bottom > p.top;
            if (!tidy || (apart && sound))
                pieces.push_back(p);
        }
        std::vector<Entrance> entrances;
        for (int i = random.bounded(0, 3); i > 0; --i) {
            const auto wall = Wall(random.bounded(4));
            const int length
                = wall == Wall::Top || wall == Wall::Bottom ? room.width() : room.height();
            const int start = random.bounded(0, length);
            entrances.push_back({wall, start, random.bounded(1, length - start + 1)});
        }
        const WalkwayMap map(room, pieces, entrances);
        QCOMPARE(map.walkwayWidths(pieces), plainWalkways(room, pieces, entrances));
    }
}

// The floor that people of a width cover is what the squares they can
// stand in cover; the narrowest place on the way is as wide as the walkway.
void TestWalkways::floorAndNarrowestPlace()
{
    const QSize room(400, 300);
    const std::vector<Edges> pieces {{0, 150, 170, 170}, {220, 150, 400, 170}, {50, 20, 150, 60}};
    const WalkwayMap map(room, pieces, {{Wall::Bottom, 100, 80}}, true);

    const QImage floor = map.reachableFloor(60);
    QCOMPARE(floor.size(), room);
    QCOMPARE(qAlpha(floor.pixel(140, 299)), 255); // in the doorway
    QCOMPARE(qAlpha(floor.pixel(300, 280)), 255); // below the pieces
    QCOMPARE(qAlpha(floor.pixel(300, 100)), 0); // beyond the gap of 50
    QCOMPARE(qAlpha(floor.pixel(100, 160)), 0); // inside a piece
    QCOMPARE(qAlpha(map.reachableFloor(50).pixel(300, 100)), 255);

    const std::optional<QLine> narrowest = map.narrowestPlace(pieces[2]);
    QVERIFY(narrowest);
    QCOMPARE(*narrowest, QLine(170, 169, 220, 169));
    QVERIFY(!WalkwayMap(room, pieces, {}, true).narrowestPlace(pieces[2]));
}

QTEST_APPLESS_MAIN(TestWalkways)
#include "test_walkways.moc"
