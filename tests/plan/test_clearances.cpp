#include "plan/clearancedrawing.h"
#include "plan/clearances.h"
#include "plan/editor.h"
#include "support/fakewindow.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace plandex;

namespace {

// Every row, in table order, by the rule as it is stated: the plain scan
// the grid's answer must equal.
Clearances byScan(const ObjectTable &table, QSize room, Edges box, int exempt)
{
    Clearances c {box, {0, -1, box.top, box.bottom}, {0, -1, box.left, box.right},
        {room.width(), -1, box.top, box.bottom}, {room.height(), -1, box.left, box.right}};
    auto take
        = [](Clearance &best, qint32 edge, bool greaterIsNearer, int row, qint32 from, qint32 to) {
              const bool nearer = greaterIsNearer ? edge > best.edge : edge < best.edge;
              if (nearer || (edge == best.edge && best.row < 0))
                  best = {edge, row, from, to};
          };
    for (int i = 0; i < table.count(); ++i) {
        if (i == exempt)
            continue;
        const ObjectTable::Row &row = table.row(i);
        const qint32 l = std::min(*row.xValues.first, *row.xValues.second);
        const qint32 r = std::max(*row.xValues.first, *row.xValues.second);
        const qint32 t = std::min(*row.yValues.first, *row.yValues.second);
        const qint32 b = std::max(*row.yValues.first, *row.yValues.second);
        const bool besideY = t <= box.bottom && b >= box.top;
        const bool besideX = l <= box.right && r >= box.left;
        const qint32 fromY = std::max(t, box.top), toY = std::min(b, box.bottom);
        const qint32 fromX = std::max(l, box.left), toX = std::min(r, box.right);
        if (besideY && r < box.left)
            take(c.left, r, true, i, fromY, toY);
        if (besideY && l > box.right)
            take(c.right, l, false, i, fromY, toY);
        if (besideX && b < box.top)
            take(c.up, b, true, i, fromX, toX);
        if (besideX && t > box.bottom)
            take(c.down, t, false, i, fromX, toX);
    }
    return c;
}

QString describe(const Clearances &c)
{
    QStringList sides;
    const std::pair<char, const Clearance *> named[]
        = {{'L', &c.left}, {'U', &c.up}, {'R', &c.right}, {'D', &c.down}};
    for (const auto &[letter, side] : named) {
        QString text = QString("%1%2").arg(letter).arg(side->edge);
        if (side->row >= 0)
            text += QString("#%1[%2,%3]").arg(side->row).arg(side->from).arg(side->to);
        sides << text;
    }
    return sides.join(' ');
}

// "l|r t|b" per object, as a room file writes them.
std::vector<ObjectTable::Row> rowsOf(const QStringList &objects)
{
    std::vector<ObjectTable::Row> rows;
    for (const QString &object : objects) {
        const QStringList pairs = object.split(' ');
        rows.push_back(ObjectTable::makeRow("объект", pairs.value(0), pairs.value(1)));
    }
    return rows;
}

Edges edgesOf(QRect r)
{
    return {r.left(), r.top(), r.right(), r.bottom()};
}

} // namespace

class TestClearances : public QObject
{
    Q_OBJECT

private slots:
    void nearestObstacleOnEachSide_data();
    void nearestObstacleOnEachSide();
    void gridAnswersLikeAPlainScan();
    void aFullTableAnswersLikeAPlainScan();
    void previewFollowsTheDrag_data();
    void previewFollowsTheDrag();
    void drawingStaysInsideItsArea_data();
    void drawingStaysInsideItsArea();
};

void TestClearances::nearestObstacleOnEachSide_data()
{
    QTest::addColumn<QStringList>("objects");
    QTest::addColumn<int>("exempt");
    QTest::addColumn<QString>("expected");

    // The box is (100, 100)-(200, 150) in a room of 700 x 500.
    QTest::newRow("empty room: the walls") << QStringList() << -1 << "L0 U0 R700 D500";
    QTest::newRow("an object level with the box stops it")
        << QStringList {"10|50 120|130"} << -1 << "L50#0[120,130] U0 R700 D500";
    QTest::newRow("an object above the box's level does not")
        << QStringList {"10|50 20|90"} << -1 << "L0 U0 R700 D500";
    QTest::newRow("sharing only the box's top line counts")
        << QStringList {"10|50 80|100"} << -1 << "L50#0[100,100] U0 R700 D500";
    QTest::newRow("the nearer of two")
        << QStringList {"10|50 110|120", "60|80 140|160"} << -1 << "L80#1[140,150] U0 R700 D500";
    QTest::newRow("the same distance: the lower row")
        << QStringList {"300|350 100|105", "300|320 140|150"} << -1 << "L0 U0 R300#0[100,105] D500";
    QTest::newRow("the dragged object is none")
        << QStringList {"300|350 100|105", "400|420 140|150"} << 0 << "L0 U0 R400#1[140,150] D500";
    QTest::newRow("an object meeting the box is none")
        << QStringList {"150|250 140|300"} << -1 << "L0 U0 R700 D500";
    QTest::newRow("above and below, each over part of the box") << QStringList {
        "150|400 10|20", "0|120 400|450"} << -1 << "L0 U20#0[150,200] R700 D400#1[100,120]";
    QTest::newRow("beyond the wall: the wall")
        << QStringList {"-50|-10 110|120", "720|800 110|120"} << -1 << "L0 U0 R700 D500";
    QTest::newRow("on the wall's line: the object")
        << QStringList {"-20|0 110|120"} << -1 << "L0#0[110,120] U0 R700 D500";
    QTest::newRow("corners swapped")
        << QStringList {"90|40 130|120"} << -1 << "L90#0[120,130] U0 R700 D500";
    QTest::newRow("far away across an empty room")
        << QStringList {"690|699 0|499"} << -1 << "L0 U0 R690#0[100,150] D500";
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
    ObjectTable table;
    QVERIFY(table.replaceAll(rowsOf(objects)));
    const Edges box {100, 100, 200, 150};
    QCOMPARE(describe(findClearances(table, {700, 500}, box, exempt)), expected);
}

void TestClearances::gridAnswersLikeAPlainScan()
{
    QRandomGenerator random(17);
    for (int round = 0; round < 300; ++round) {
        const QSize room(random.bounded(50, 4097), random.bounded(50, 4097));
        // Sparse rooms make the search walk far; dense ones stop it early.
        const int count = random.bounded(0, round % 3 == 0 ? 20 : 600);
        std::vector<ObjectTable::Row> rows;
        for (int i = 0; i < count; ++i) {
            // Sizes from a few centimetres to wider than the grid's cells,
            // some reaching beyond the walls, some with swapped corners.
            const int w = random.bounded(1, i % 7 == 0 ? 2000 : 60);
            const int h = random.bounded(1, i % 5 == 0 ? 2000 : 60);
            const int l = random.bounded(-100, room.width() + 100);
            const int t = random.bounded(-100, room.height() + 100);
            const bool swap = i % 11 == 0;
            rows.push_back(ObjectTable::makeRow("о",
                swap ? QString("%1|%2").arg(l + w).arg(l) : QString("%1|%2").arg(l).arg(l + w),
                QString("%1|%2").arg(t).arg(t + h)));
        }
        ObjectTable table;
        QVERIFY(table.replaceAll(std::move(rows)));
        QVERIFY(table.places().usable());
        for (int probe = 0; probe < 10; ++probe) {
            const int l = random.bounded(0, room.width()), t = random.bounded(0, room.height());
            const Edges box {l, t, std::min(room.width(), l + random.bounded(0, 300)),
                std::min(room.height(), t + random.bounded(0, 300))};
            const int exempt = count > 0 && probe % 2 ? random.bounded(count) : -1;
            const QString where = QString("round %1 probe %2").arg(round).arg(probe);
            QCOMPARE(describe(findClearances(table, room, box, exempt)) + " " + where,
                describe(byScan(table, room, box, exempt)) + " " + where);
        }
    }
}

void TestClearances::aFullTableAnswersLikeAPlainScan()
{
    // The largest table in the largest room, in a dense grid with gaps and
    // free strips, probed all over.
    const QSize room(4096, 4096);
    std::vector<ObjectTable::Row> rows;
    QRandomGenerator random(32767);
    for (int i = 0; i < ObjectTable::maxRows; ++i) {
        const int l = (i % 181) * 22 + random.bounded(3), t = (i / 181) * 22 + random.bounded(3);
        if ((i / 181) % 37 == 5)
            continue; // a free row across the room
        rows.push_back(ObjectTable::makeRow("о", QString("%1|%2").arg(l).arg(l + 15),
            QString("%1|%2").arg(t).arg(t + random.bounded(5, 18))));
    }
    ObjectTable table;
    QVERIFY(table.replaceAll(std::move(rows)));
    for (int probe = 0; probe < 200; ++probe) {
        const int l = random.bounded(0, 4000), t = random.bounded(0, 4000);
        const Edges box {l, t, l + random.bounded(0, 90), t + random.bounded(0, 90)};
        const int exempt = probe % 2 ? random.bounded(table.count()) : -1;
        QCOMPARE(describe(findClearances(table, room, box, exempt)),
            describe(byScan(table, room, box, exempt)));
    }
}

void TestClearances::previewFollowsTheDrag_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("script"); // press, moves, then "up" or "abandon"
    QTest::addColumn<QRect>("expected"); // corners included; null for none

    auto corners = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r, b)); };
    const int create = int(EditMode::Create), move = int(EditMode::Move);
    const int resize = int(EditMode::Resize);
    QTest::newRow("create, pressed") << create << "300,200" << QRect();
    QTest::newRow("create, no valid size yet") << create << "300,200 304,210" << QRect();
    QTest::newRow("create, a valid band")
        << create << "300,200 304,210 340,260" << corners(300, 200, 340, 260);
    QTest::newRow("create, refused later keeps the last")
        << create << "300,200 340,260 120,130" << corners(300, 200, 340, 260);
    QTest::newRow("create, released") << create << "300,200 340,260 up" << QRect();
    QTest::newRow("move, grabbed") << move << "20,20" << corners(10, 10, 70, 50);
    QTest::newRow("move, moved") << move << "20,20 50,60" << corners(40, 50, 100, 90);
    QTest::newRow("move, abandoned") << move << "20,20 50,60 abandon" << QRect();
    QTest::newRow("move, pressed on the floor") << move << "300,300 320,320" << QRect();
    QTest::newRow("resize, grown") << resize << "20,20 60,40" << corners(10, 10, 110, 70);
    QTest::newRow("resize, released") << resize << "20,20 60,40 up" << QRect();
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
    if (mode == int(EditMode::Move))
        e.selct_Click();
    else if (mode == int(EditMode::Resize))
        e.Rsiz_Click();

    const QStringList steps = script.split(' ');
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QStringList xy = steps[i].split(',');
        const double x = xy.value(0).toDouble(), y = xy.value(1).toDouble();
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
    if (!preview)
        return;
    QCOMPARE(preview->box, edgesOf(expected));
    QCOMPARE(preview->row, mode == int(EditMode::Create) ? -1 : 0);
}

void TestClearances::drawingStaysInsideItsArea_data()
{
    QTest::addColumn<QTransform>("toDevice");

    QTest::newRow("screen") << QTransform();
    QTest::newRow("scrolled") << QTransform::fromTranslate(-37, -12);
    QTest::newRow("twice as dense") << QTransform::fromScale(2, 2);
    // Paper at 1:50 and 300 dots per inch: a centimetre is 0.24 dots.
    QTest::newRow("paper at 1:50") << QTransform::fromScale(0.236, 0.236).translate(40, 40);
}

void TestClearances::drawingStaysInsideItsArea()
{
    QFETCH(QTransform, toDevice);
    ObjectTable table;
    QVERIFY(table.replaceAll(rowsOf({"10|50 120|130", "150|400 10|20"})));
    // Flush with the bottom wall: no mark there.
    const Clearances c = findClearances(table, {700, 500}, {100, 100, 200, 500}, -1);
    QFont font;
    font.setPixelSize(14);
    const QColor yellow(255, 255, 0);

    QImage image(1600, 1100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(toDevice);
        drawClearances(painter, c, font, yellow);
    }
    const QRegion area = ClearanceDrawing(font).layOut(c, toDevice);
    int outside = 0, lettering = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() == 0)
                continue;
            outside += !area.contains(QPoint(x, y));
            lettering += pixel == yellow;
        }
    }
    QCOMPARE(outside, 0);
    QVERIFY(lettering > 0);
    // Flush with the wall, the bottom has no mark.
    const QPointF bottomEnd = toDevice.map(QPointF(150.5, 500.5));
    QVERIFY(!area.contains(bottomEnd.toPoint() + QPoint(0, 8)));
}

QTEST_MAIN(TestClearances)
#include "test_clearances.moc"
