#include "drawing/clearances.h"
#include "plan/editor.h"
#include "support/fakewindow.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace plandex;

namespace {

// Every row in table order, by the rule as it is stated: the plain scan the
// grid's answer must equal.
Clearances byScan(const ObjectTable &table, QSize room, Edges box, int exempt)
{
    Clearances c {box, {0, -1, box.top, box.bottom}, {0, -1, box.left, box.right},
        {room.width(), -1, box.top, box.bottom}, {room.height(), -1, box.left, box.right}};
    auto take = [](Clearance &best, qint64 edge, bool greater, int row, qint64 from, qint64 to) {
        if ((greater ? edge > best.edge : edge < best.edge) || (edge == best.edge && best.row < 0))
            best = {edge, row, from, to};
    };
    for (int i = 0; i < table.count(); ++i) {
        const ObjectTable::Row &row = table.row(i);
        const auto [l, r] = std::minmax(*row.xValues.first, *row.xValues.second);
        const auto [t, b] = std::minmax(*row.yValues.first, *row.yValues.second);
        const qint64 fromY = std::max<qint64>(t, box.top), toY = std::min<qint64>(b, box.bottom);
        const qint64 fromX = std::max<qint64>(l, box.left), toX = std::min<qint64>(r, box.right);
        if (i == exempt)
            continue;
        if (fromY <= toY && r < box.left)
            take(c.left, r, true, i, fromY, toY);
        if (fromY <= toY && l > box.right)
            take(c.right, l, false, i, fromY, toY);
        if (fromX <= toX && b < box.top)
            take(c.up, b, true, i, fromX, toX);
        if (fromX <= toX && t > box.bottom)
            take(c.down, t, false, i, fromX, toX);
    }
    return c;
}

// "L50#0[120,130]": the left side stops at 50, at row 0, facing 120 to 130.
QString describe(const Clearances &c)
{
    QStringList sides;
    const std::pair<char, Clearance> named[]
        = {{'L', c.left}, {'U', c.up}, {'R', c.right}, {'D', c.down}};
    for (const auto &[letter, side] : named) {
        sides << QString("%1%2").arg(letter).arg(side.edge)
                + (side.row < 0 ? QString()
                                : QString("#%1[%2,%3]").arg(side.row).arg(side.from).arg(side.to));
    }
    return sides.join(' ');
}

ObjectTable::Row objectRow(int l, int r, int t, int b)
{
    return ObjectTable::makeRow(
        "о", QString("%1|%2").arg(l).arg(r), QString("%1|%2").arg(t).arg(b));
}

} // namespace

class TestClearances : public QObject
{
    Q_OBJECT

private slots:
    void nearestObstacleOnEachSide_data();
    void nearestObstacleOnEachSide();
    void gridAnswersLikeAPlainScan();
    void previewFollowsTheDrag_data();
    void previewFollowsTheDrag();
};

void TestClearances::nearestObstacleOnEachSide_data()
{
    QTest::addColumn<QStringList>("objects"); // "l|r t|b", as a room file has them
    QTest::addColumn<int>("exempt");
    QTest::addColumn<QString>("expected");

    // The box is (100, 100)-(200, 150) in a room of 700 x 500.
    QTest::newRow("empty room: the walls") << QStringList() << -1 << "L0 U0 R700 D500";
    QTest::newRow("the nearer of two level with the box") << QStringList {"10|50 110|120",
        "60|80 140|160", "120|130 20|90"} << -1 << "L80#1[140,150] U90#2[120,130] R700 D500";
    QTest::newRow("sharing only the box's top line counts")
        << QStringList {"10|50 80|100"} << -1 << "L50#0[100,100] U0 R700 D500";
    QTest::newRow("the same distance: the lower row")
        << QStringList {"300|350 100|105", "300|320 140|150"} << -1 << "L0 U0 R300#0[100,105] D500";
    QTest::newRow("the dragged object is none")
        << QStringList {"300|350 100|105", "400|420 140|150"} << 0 << "L0 U0 R400#1[140,150] D500";
    QTest::newRow("an object meeting the box is none")
        << QStringList {"150|250 140|300"} << -1 << "L0 U0 R700 D500";
    QTest::newRow("beyond the wall none, on its line one") << QStringList {"-50|-10 110|120",
        "-20|0 130|140", "720|800 110|120"} << -1 << "L0#1[130,140] U0 R700 D500";
    QTest::newRow("corners swapped, far away") << QStringList {"90|40 130|120", "699|690 499|0"}
                                               << -1 << "L90#0[120,130] U0 R690#1[100,150] D500";
    // A number too large for 32 bits keeps the one read before it, as the
    // plan draws it: the second object reaches from 10 to 60.
    QTest::newRow("a row the grid cannot hold") << QStringList {"10|50 200|210",
        "99999999999|60 120|130"} << -1 << "L60#1[120,130] U0 R700 D500";
}

void TestClearances::nearestObstacleOnEachSide()
{
    QFETCH(QStringList, objects);
    QFETCH(int, exempt);
    QFETCH(QString, expected);
    std::vector<ObjectTable::Row> rows;
    for (const QString &object : objects)
        rows.push_back(
            ObjectTable::makeRow("о", object.section(' ', 0, 0), object.section(' ', 1)));
    ObjectTable table;
    QVERIFY(table.replaceAll(std::move(rows)));
    QCOMPARE(describe(findClearances(table, {700, 500}, {100, 100, 200, 150}, exempt)), expected);
}

void TestClearances::gridAnswersLikeAPlainScan()
{
    QRandomGenerator random(17);
    // Random rooms, sparse ones making the search walk far and dense ones
    // stopping it early, then the largest table in the largest room.
    for (int round = 0; round <= 300; ++round) {
        const bool full = round == 300;
        const QSize room
            = full ? QSize(4096, 4096) : QSize(random.bounded(50, 4097), random.bounded(50, 4097));
        std::vector<ObjectTable::Row> rows;
        const int count = full ? ObjectTable::maxRows : random.bounded(0, round % 3 ? 600 : 20);
        for (int i = 0; i < count; ++i) {
            if (full) {
                // A dense grid with a free row across the room now and then.
                const int l = (i % 181) * 22 + random.bounded(3), t = (i / 181) * 22;
                if ((i / 181) % 37 != 5)
                    rows.push_back(objectRow(l, l + 15, t, t + random.bounded(5, 18)));
                continue;
            }
            // From a few centimetres to wider than the grid's cells, some
            // beyond the walls, some with corners swapped.
            const int w = random.bounded(1, i % 7 ? 60 : 2000),
                      h = random.bounded(1, i % 5 ? 60 : 2000);
            const int l = random.bounded(-100, room.width() + 100);
            const int t = random.bounded(-100, room.height() + 100);
            rows.push_back(i % 11 ? objectRow(l, l + w, t, t + h) : objectRow(l + w, l, t, t + h));
        }
        ObjectTable table;
        QVERIFY(table.replaceAll(std::move(rows)));
        QVERIFY(table.places().usable());
        for (int probe = 0; probe < (full ? 200 : 10); ++probe) {
            const int l = random.bounded(0, room.width()), t = random.bounded(0, room.height());
            const Edges box {l, t, std::min(room.width(), l + random.bounded(0, 300)),
                std::min(room.height(), t + random.bounded(0, 300))};
            const int exempt = table.count() > 0 && probe % 2 ? random.bounded(table.count()) : -1;
            const QString where = QString(" (round %1 probe %2)").arg(round).arg(probe);
            QCOMPARE(describe(findClearances(table, room, box, exempt)) + where,
                describe(byScan(table, room, box, exempt)) + where);
        }
    }
}

void TestClearances::previewFollowsTheDrag_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("script"); // press, moves, then "up" or "abandon"
    QTest::addColumn<QRect>("expected"); // corners included; null for none

    auto corners = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r, b)); };
    const int create = int(EditMode::Create), move = int(EditMode::Move);
    QTest::newRow("create, no valid size yet") << create << "300,200 304,210" << QRect();
    QTest::newRow("create, refused later keeps the last valid")
        << create << "300,200 340,260 120,130" << corners(300, 200, 340, 260);
    QTest::newRow("create, released") << create << "300,200 340,260 up" << QRect();
    QTest::newRow("move, grabbed") << move << "20,20" << corners(10, 10, 70, 50);
    QTest::newRow("move, moved") << move << "20,20 50,60" << corners(40, 50, 100, 90);
    QTest::newRow("move, abandoned") << move << "20,20 50,60 abandon" << QRect();
    QTest::newRow("move, pressed on the floor") << move << "300,300 320,320" << QRect();
    QTest::newRow("resize, grown")
        << int(EditMode::Resize) << "20,20 60,40" << corners(10, 10, 110, 70);
}

void TestClearances::previewFollowsTheDrag()
{
    QFETCH(int, mode);
    QFETCH(QString, script);
    QFETCH(QRect, expected);
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.load();
    e.table().append("Стол", "10|70", "10|50");
    e.table().append("Шкаф", "100|150", "100|130");
    e.OBNOV();
    e.state().mode = EditMode(mode);
    const QStringList steps = script.split(' ');
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const double x = steps[i].section(',', 0, 0).toDouble();
        const double y = steps[i].section(',', 1).toDouble();
        if (steps[i] == "up")
            e.K_MouseUp(buttons::left, 0, 400, 400);
        else if (steps[i] == "abandon")
            e.K_MouseMove(buttons::left | buttons::right, 0, 400, 400);
        else if (i == 0)
            e.K_MouseDown(buttons::left, 0, x, y);
        else
            e.K_MouseMove(buttons::left, 0, x, y);
    }
    const auto preview = e.dragPreview();
    QCOMPARE(preview.has_value(), !expected.isNull());
    if (preview) {
        QCOMPARE(preview->box,
            Edges({expected.left(), expected.top(), expected.right(), expected.bottom()}));
        QCOMPARE(preview->row, mode == int(EditMode::Create) ? -1 : 0);
    }
}

QTEST_MAIN(TestClearances)
#include "test_clearances.moc"
