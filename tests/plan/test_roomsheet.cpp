#include "model/objecttable.h"
#include "plan/furniturearea.h"
#include "plan/roomsheet.h"
#include "plan/sheetexport.h"

#include <QTest>

using namespace plandex;

using Rows = QList<QStringList>; // x pair, y pair

class TestRoomSheet : public QObject
{
    Q_OBJECT

private slots:
    void furnitureCountsTheFloorOnce_data();
    void furnitureCountsTheFloorOnce();
    void aChosenScaleIsExactOnPaper_data();
    void aChosenScaleIsExactOnPaper();
    void roomOnPaper_data();
    void roomOnPaper();
};

void TestRoomSheet::furnitureCountsTheFloorOnce_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<qint64>("area");

    QTest::newRow("none") << Rows {} << qint64(0);
    QTest::newRow("apart") << Rows {{"20|120", "20|80"}, {"200|260", "120|160"}} << qint64(8400);
    QTest::newRow("overlapping") << Rows {{"0|100", "0|100"}, {"50|150", "50|150"}}
                                 << qint64(17500);
    QTest::newRow("one inside another")
        << Rows {{"0|100", "0|100"}, {"20|40", "20|40"}} << qint64(10000);
    QTest::newRow("cut to the room")
        << Rows {{"250|400", "150|300"}, {"-50|10", "-5|5"}} << qint64(2500 + 50);
    QTest::newRow("corners swapped") << Rows {{"120|20", "80|20"}} << qint64(6000);
    QTest::newRow("no width") << Rows {{"10|10", "0|100"}} << qint64(0);
    QTest::newRow("borrowed number")
        << Rows {{"0|100", "0|100"}, {"200|250", "0|1e20"}} << qint64(10000 + 5000);
}

void TestRoomSheet::furnitureCountsTheFloorOnce()
{
    QFETCH(Rows, rows);
    QFETCH(qint64, area);
    ObjectTable table;
    for (const QStringList &r : rows)
        QVERIFY(table.append("x", r[0], r[1]));
    QCOMPARE(furnitureArea(table, {300, 200}), area);
}

void TestRoomSheet::aChosenScaleIsExactOnPaper_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QSizeF>("mm");

    QTest::newRow("300 cm at 1:50") << QSize(300, 200) << 1200 << 50 << QSizeF(60, 40);
    QTest::newRow("start room at 1:25") << QSize(553, 361) << 300 << 25 << QSizeF(221.2, 144.4);
    QTest::newRow("largest new room at 1:100") << QSize(700, 500) << 72 << 100 << QSizeF(70, 50);
    QTest::newRow("tall room at 1:20") << QSize(100, 400) << 150 << 20 << QSizeF(50, 200);
}

void TestRoomSheet::aChosenScaleIsExactOnPaper()
{
    QFETCH(QSize, room);
    QFETCH(int, dpi);
    QFETCH(int, scale);
    QFETCH(QSizeF, mm);
    const QPageLayout page = sheetPageLayout(QPageSize(QPageSize::A4), room);
    const SheetLayout s = layoutSheet(page.fullRectPixels(dpi).size(), dpi, room, scale);
    QVERIFY(s.fits);
    QVERIFY(!s.fitted);
    QCOMPARE(s.scale, scale);
    QVERIFY(qAbs(s.room.width() * 25.4 / dpi - mm.width()) < 0.01);
    QVERIFY(qAbs(s.room.height() * 25.4 / dpi - mm.height()) < 0.01);
}

void TestRoomSheet::roomOnPaper_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QPageLayout::Orientation>("orientation");

    const auto A4 = QPageSize::A4, A3 = QPageSize::A3, Letter = QPageSize::Letter;
    const auto wide = QPageLayout::Landscape, tall = QPageLayout::Portrait;
    QTest::newRow("wide, fitted") << QSize(553, 361) << A4 << 0 << true << wide;
    QTest::newRow("tall, fitted") << QSize(50, 500) << Letter << 0 << true << tall;
    QTest::newRow("square") << QSize(400, 400) << A4 << 0 << true << tall;
    QTest::newRow("largest file room") << QSize(4096, 4096) << A4 << 0 << true << tall;
    QTest::newRow("thinnest file room") << QSize(4096, 1) << A4 << 0 << true << wide;
    QTest::newRow("700 x 500 at 1:25 on A4") << QSize(700, 500) << A4 << 25 << false << wide;
    QTest::newRow("700 x 500 at 1:25 on A3") << QSize(700, 500) << A3 << 25 << true << wide;
    QTest::newRow("300 cm at 1:10") << QSize(300, 200) << A4 << 10 << false << wide;
    QTest::newRow("50 cm at 1:10") << QSize(50, 50) << A4 << 10 << true << tall;
}

void TestRoomSheet::roomOnPaper()
{
    QFETCH(QSize, room);
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(int, scale);
    QFETCH(bool, fits);
    QFETCH(QPageLayout::Orientation, orientation);

    const QPageLayout page = sheetPageLayout(QPageSize(paper), room);
    QCOMPARE(page.orientation(), orientation);
    SheetRequest request;
    request.paper = QPageSize(paper);
    request.options.scale = scale;
    QCOMPARE(sheetFits(room, request), fits);
    if (!fits)
        return;

    const QRectF sheet = page.fullRectPixels(600);
    const SheetLayout s = layoutSheet(sheet.size(), 600, room, scale);
    QVERIFY(sheet.contains(s.room));
    QVERIFY(sheet.contains(s.titleBlock));
    QVERIFY(!s.room.intersects(s.titleBlock));
    QVERIFY(!s.room.intersects(s.scaleBar));
    // Fitted, the room reaches across its space one way or the other.
    if (scale == 0)
        QVERIFY(s.room.left() - s.mm(20) < 1 || s.room.top() - s.mm(20) < 1);
}

QTEST_MAIN(TestRoomSheet)
#include "test_roomsheet.moc"
