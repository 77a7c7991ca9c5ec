#include "model/objecttable.h"
#include "sheet/roomsheet.h"
#include "sheet/sheetexport.h"
#include "sheet/sheetstyle.h"

#include <QFontMetricsF>
#include <QTest>

using namespace plandex;

using Pieces = QList<QRect>; // cm in the room

namespace {

// The pieces named "1", "2", ... in table order, or all named name.
void fill(ObjectTable &table, const Pieces &pieces, const QString &name = {})
{
    for (int i = 0; i < pieces.size(); ++i) {
        const QRect &p = pieces[i];
        table.append(name.isEmpty() ? QString::number(i + 1) : name,
            QString("%1|%2").arg(p.left()).arg(p.left() + p.width()),
            QString("%1|%2").arg(p.top()).arg(p.top() + p.height()));
    }
}

QSizeF a4(QSize room)
{
    return sheetPageLayout(QPageSize(QPageSize::A4), room).fullRectPixels(sheetDpi).size();
}

// What a mark covers, the owner it belongs to.
struct Mark {
    QRectF r;
    int owner;
};

} // namespace

class TestSheetPieces : public QObject
{
    Q_OBJECT

private slots:
    void positionsNeverOverlap_data();
    void positionsNeverOverlap();
    void scheduleBesideThePlanOrOnItsOwnPages_data();
    void scheduleBesideThePlanOrOnItsOwnPages();
};

void TestSheetPieces::positionsNeverOverlap_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<int>("scale");
    QTest::addColumn<Pieces>("pieces");

    Pieces chairs, column, close, grid;
    for (int i = 0; i < 6; ++i) {
        chairs << QRect(20 + i * 55, 30, 45, 45);
        column << QRect(170, 20 + i * 40, 60, 30);
    }
    for (int i = 0; i < 4; ++i)
        close << QRect(100 + i * 45, 100, 40, 40);
    for (int i = 0; i < 80; ++i)
        grid << QRect(20 + (i % 10) * 65, 20 + (i / 10) * 60, 20, 20);
    QTest::newRow("a row of chairs") << QSize(400, 300) << 25 << chairs;
    QTest::newRow("a column down the middle") << QSize(400, 300) << 25 << column;
    QTest::newRow("chairs 5 cm apart") << QSize(400, 300) << 25 << close;
    QTest::newRow("near the far walls") << QSize(
        400, 300) << 50 << Pieces {{300, 220, 90, 70}, {250, 250, 40, 45}, {350, 150, 45, 60}};
    QTest::newRow("flush with the walls")
        << QSize(400, 300) << 25 << Pieces {{0, 0, 100, 60}, {0, 100, 50, 80}, {300, 0, 100, 40}};
    QTest::newRow("many small pieces at 1:100") << QSize(700, 500) << 100 << grid;
}

// No dimension crosses another, a label or a tag; a piece left out of
// the schedule has its whole label and the true distances to the nearer
// walls, and one in it has its true position there.
void TestSheetPieces::positionsNeverOverlap()
{
    QFETCH(QSize, room);
    QFETCH(int, scale);
    QFETCH(Pieces, pieces);
    const SheetLayout layout = layoutSheet(a4(room), sheetDpi, room, scale);
    QVERIFY(layout.fits);
    ObjectTable table;
    fill(table, pieces);
    const PlannedPieces planned = planPieces(layout, table, room, true);
    QVERIFY(!planned.dimensions.empty());

    std::vector<Mark> marks;
    const double tick = layout.mm(1);
    for (size_t i = 0; i < planned.dimensions.size(); ++i) {
        const PositionDimension &d = planned.dimensions[i];
        const QRectF line = QRectF(d.line.p1(), d.line.p2()).normalized();
        marks.push_back({line.adjusted(-tick / 2, -tick / 2, tick / 2, tick / 2), int(i)});
        marks.push_back({d.textBox, int(i)});
        for (const QLineF &e : d.extensions)
            marks.push_back({QRectF(e.p1(), e.p2()).normalized().adjusted(-1, -1, 1, 1), int(i)});
    }
    const int dimensions = int(marks.size());
    for (const PlannedPieces::Label &l : planned.labels)
        marks.push_back({l.label.extent, -1});
    for (const PlannedPieces::Tag &t : planned.tags)
        marks.push_back({t.ring, -2});
    for (size_t i = 0; i < size_t(dimensions); ++i)
        for (size_t j = i + 1; j < marks.size(); ++j)
            QVERIFY2(marks[i].owner == marks[j].owner || !marks[i].r.intersects(marks[j].r),
                qPrintable(planned.dimensions[size_t(marks[i].owner)].number));

    const double perCm = layout.pixelsPerCm;
    for (int i = 0; i < pieces.size(); ++i) {
        const QRect &p = pieces[i];
        const QString name = QString::number(i + 1);
        const auto row = std::find_if(planned.schedule.begin(), planned.schedule.end(),
            [&](const ScheduleRow &r) { return r.name == name; });
        if (row != planned.schedule.end()) {
            QCOMPARE(row->fromLeft, qint64(p.left()));
            QCOMPARE(row->fromTop, qint64(p.top()));
            continue;
        }
        const QRectF box(layout.room.topLeft() + QPointF(p.left(), p.top()) * perCm,
            QSizeF(p.width(), p.height()) * perCm);
        QVERIFY2(std::any_of(planned.labels.begin(), planned.labels.end(),
                     [&](const PlannedPieces::Label &l) { return l.box == box && l.label.whole; }),
            qPrintable(name));
        // Across, then down: the nearer wall's distance, from the piece's edge.
        for (const bool down : {false, true}) {
            const int before = down ? p.top() : p.left();
            const int after
                = down ? room.height() - p.top() - p.height() : room.width() - p.left() - p.width();
            if (std::min(before, after) == 0)
                continue;
            const double edge = before <= after ? (down ? box.top() : box.left())
                                                : (down ? box.bottom() : box.right());
            const bool found = std::any_of(planned.dimensions.begin(), planned.dimensions.end(),
                [&](const PositionDimension &d) {
                    const double a = down ? d.line.y1() : d.line.x1();
                    const double b = down ? d.line.y2() : d.line.x2();
                    return d.upright == down && d.number == QString::number(std::min(before, after))
                        && (qAbs(a - edge) < 0.01 || qAbs(b - edge) < 0.01);
                });
            QVERIFY2(found, qPrintable(QString("%1 %2").arg(name, down ? "down" : "across")));
        }
    }
}

void TestSheetPieces::scheduleBesideThePlanOrOnItsOwnPages_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("count"); // pieces of 4 x 4 cm, too small for a label
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pages");

    QTest::newRow("a few beside the plan") << QSize(300, 200) << 50 << 3 << "Пуф" << 1;
    QTest::newRow("more than the side holds") << QSize(300, 200) << 50 << 300 << "Пуф" << 5;
    QTest::newRow("a plan filling the page") << QSize(1300, 700) << 0 << 5 << "Пуф" << 2;
    QTest::newRow("names of a thousand characters")
        << QSize(300, 200) << 50 << 3 << QString(1000, u'ж') << 1;
}

// On the first page beside the plan, clear of it, its walls and the title
// block, or else on pages of its own; every row once, in order; a name on
// two lines at the most, shortened on the second.
void TestSheetPieces::scheduleBesideThePlanOrOnItsOwnPages()
{
    QFETCH(QSize, room);
    QFETCH(int, scale);
    QFETCH(int, count);
    QFETCH(QString, name);
    QFETCH(int, pages);
    Pieces pieces;
    for (int i = 0; i < count; ++i)
        pieces << QRect(5 + (i % 40) * 7, 5 + (i / 40) * 7, 4, 4);
    SheetOptions options;
    options.scale = scale;
    ObjectTable table;
    fill(table, pieces, name);
    const Sheet sheet = prepareSheet(a4(room), sheetDpi, table, room, options);
    QCOMPARE(int(sheet.pieces.schedule.size()), count);
    QCOMPARE(sheet.pages, pages);

    const SheetLayout &layout = sheet.layout;
    const ScheduleLayout &s = sheet.schedule;
    const QRectF page(QPointF(), layout.page);
    const QRectF plan = layout.room.adjusted(-layout.wall, -layout.wall, layout.wall, layout.wall);
    int next = 0;
    for (const ScheduleLayout::Block &b : s.blocks) {
        QCOMPARE(b.first, next);
        QVERIFY(b.end > b.first);
        next = b.end;
        double height = s.headHeight;
        for (int r = b.first; r < b.end; ++r)
            height += s.rowHeight(r);
        const QRectF block(b.at, QSizeF(s.width(), height));
        QVERIFY(page.contains(block));
        QVERIFY(!block.intersects(layout.titleBlock));
        QCOMPARE(b.page == 0, pages == 1);
        if (b.page == 0)
            QVERIFY(!block.intersects(plan));
    }
    QCOMPARE(next, count);
    const double column = s.columns[1] - 2 * layout.mm(1.2);
    const QFontMetricsF metrics(sheetFont(layout, textDigitMm));
    for (const QStringList &lines : s.names) {
        QVERIFY(lines.size() >= 1 && lines.size() <= scheduleNameLines);
        QCOMPARE(lines.join(QString()) == name, lines.size() == 1);
        if (lines.size() > 1)
            QVERIFY(lines.last().endsWith(u'…'));
        for (const QString &line : lines)
            QVERIFY(metrics.horizontalAdvance(line) <= column);
    }
}

QTEST_MAIN(TestSheetPieces)
#include "test_sheetpieces.moc"
