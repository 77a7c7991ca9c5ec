#include "drawing/outlines.h"
#include "model/objecttable.h"
#include "sheet/furniturearea.h"
#include "sheet/roomsheet.h"
#include "sheet/sheetexport.h"
#include "support/scratchdir.h"
#include "support/sheetchecks.h"

#include <QTest>

using namespace plandex;

using Rows = QList<QStringList>; // x pair, y pair

class TestRoomSheet : public QObject
{
    Q_OBJECT

private slots:
    void furnitureCountsTheFloorOnce_data();
    void furnitureCountsTheFloorOnce();
    void roomOnPaper_data();
    void roomOnPaper();
    void outlinesAreDrawnOnce_data();
    void outlinesAreDrawnOnce();
    void everyPieceInFullSomewhere_data();
    void everyPieceInFullSomewhere();
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

void TestRoomSheet::roomOnPaper_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    QTest::addColumn<QSizeF>("mm"); // on paper, at a chosen scale

    const auto A4 = QPageSize::A4, A3 = QPageSize::A3, Letter = QPageSize::Letter;
    const auto wide = QPageLayout::Landscape, tall = QPageLayout::Portrait;
    QTest::newRow("wide, fitted") << QSize(553, 361) << A4 << 0 << 600 << true << wide << QSizeF();
    QTest::newRow("tall, fitted") << QSize(50, 500) << Letter << 0 << 600 << true << tall
                                  << QSizeF();
    QTest::newRow("square") << QSize(400, 400) << A4 << 0 << 600 << true << tall << QSizeF();
    QTest::newRow("largest file room")
        << QSize(4096, 4096) << A4 << 0 << 72 << true << tall << QSizeF();
    QTest::newRow("thinnest file room")
        << QSize(4096, 1) << A4 << 0 << 300 << true << wide << QSizeF();
    QTest::newRow("300 cm at 1:50")
        << QSize(300, 200) << A4 << 50 << 1200 << true << wide << QSizeF(60, 40);
    QTest::newRow("start room at 1:25")
        << QSize(553, 361) << A3 << 25 << 300 << true << wide << QSizeF(221.2, 144.4);
    QTest::newRow("start room at 1:25 on A4")
        << QSize(553, 361) << A4 << 25 << 300 << false << wide << QSizeF();
    QTest::newRow("largest file room at 1:500")
        << QSize(4096, 4096) << A4 << 500 << 300 << true << tall << QSizeF(81.92, 81.92);
    QTest::newRow("700 x 500 at 1:100")
        << QSize(700, 500) << A4 << 100 << 72 << true << wide << QSizeF(70, 50);
    QTest::newRow("tall room at 1:20")
        << QSize(100, 400) << A4 << 20 << 150 << true << tall << QSizeF(50, 200);
    QTest::newRow("700 x 500 at 1:25 on A4")
        << QSize(700, 500) << A4 << 25 << 600 << false << wide << QSizeF();
    QTest::newRow("700 x 500 at 1:25 on A3")
        << QSize(700, 500) << A3 << 25 << 600 << true << wide << QSizeF(280, 200);
    QTest::newRow("300 cm at 1:10")
        << QSize(300, 200) << A4 << 10 << 600 << false << wide << QSizeF();
    QTest::newRow("50 cm at 1:10")
        << QSize(50, 50) << A4 << 10 << 600 << true << tall << QSizeF(50, 50);
}

void TestRoomSheet::roomOnPaper()
{
    QFETCH(QSize, room);
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(int, scale);
    QFETCH(int, dpi);
    QFETCH(bool, fits);
    QFETCH(QPageLayout::Orientation, orientation);
    QFETCH(QSizeF, mm);

    const QPageLayout page = sheetPageLayout(QPageSize(paper), room);
    QCOMPARE(page.orientation(), orientation);
    SheetRequest request;
    request.paper = QPageSize(paper);
    request.options.scale = scale;
    QCOMPARE(sheetFits(room, request), fits);
    if (!fits)
        return;

    const QRectF sheet = page.fullRectPixels(dpi);
    const SheetLayout s = layoutSheet(sheet.size(), dpi, room, scale);
    QVERIFY(s.fits);
    QVERIFY(sheet.contains(s.room));
    QVERIFY(sheet.contains(s.titleBlock));
    QVERIFY(!s.room.intersects(s.titleBlock));
    QVERIFY(!s.room.intersects(s.scaleBar));
    // Clear of the walls' band and the lengths along it.
    QVERIFY(qAbs(s.room.left() - s.mm(20) - s.wall) < 1);
    QVERIFY(qAbs(s.room.top() - s.mm(20) - s.wall) < 1);
    if (scale == 0) {
        // Fitted at the largest standard scale that fits: the next larger
        // one does not.
        QVERIFY(s.fitted);
        const auto at = std::find(std::begin(sheetScales), std::end(sheetScales), s.scale);
        QVERIFY(at != std::end(sheetScales));
        if (at != std::begin(sheetScales) && at != std::end(sheetScales))
            QVERIFY(!layoutSheet(sheet.size(), dpi, room, *(at - 1)).fits);
    } else {
        QCOMPARE(s.scale, scale);
        QVERIFY(qAbs(s.room.width() * 25.4 / dpi - mm.width()) < 0.01);
        QVERIFY(qAbs(s.room.height() * 25.4 / dpi - mm.height()) < 0.01);
    }
}

using Boxes = QList<QRectF>;
using Lines = QList<QLineF>;

void TestRoomSheet::outlinesAreDrawnOnce_data()
{
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<Lines>("lines"); // rows top down, then columns left to right

    const QRectF box(10, 10, 100, 50);
    const Lines four {{10, 10, 110, 10}, {10, 60, 110, 60}, {10, 10, 10, 60}, {110, 10, 110, 60}};
    QTest::newRow("one box") << Boxes {box} << four;
    QTest::newRow("the same box many times") << Boxes {box, box, box} << four;
    QTest::newRow("a box inside another's edge")
        << Boxes {box, {30, 10, 20, 50}}
        << Lines {{10, 10, 110, 10}, {10, 60, 110, 60}, {10, 10, 10, 60}, {30, 10, 30, 60},
               {50, 10, 50, 60}, {110, 10, 110, 60}};
    QTest::newRow("sharing an edge")
        << Boxes {{0, 0, 10, 10}, {10, 0, 10, 10}}
        << Lines {{0, 0, 20, 0}, {0, 10, 20, 10}, {0, 0, 0, 10}, {10, 0, 10, 10}, {20, 0, 20, 10}};
    QTest::newRow("apart") << Boxes {{0, 0, 5, 5}, {300, 100, 5, 5}}
                           << Lines {{0, 0, 5, 0}, {0, 5, 5, 5}, {300, 100, 305, 100},
                                  {300, 105, 305, 105}, {0, 0, 0, 5}, {5, 0, 5, 5},
                                  {300, 100, 300, 105}, {305, 100, 305, 105}};
    QTest::newRow("cut by the room") << Boxes {{-10, 10, 50, 20}, {-1e12, -1e12, 2e12, 1}}
                                     << Lines {{0, 10, 40, 10}, {0, 30, 40, 30}, {40, 10, 40, 30}};
    QTest::newRow("on half pixels")
        << Boxes {{0.4, 0.6, 9.2, 9}}
        << Lines {{0, 1, 10, 1}, {0, 10, 10, 10}, {0, 1, 0, 10}, {10, 1, 10, 10}};
}

void TestRoomSheet::outlinesAreDrawnOnce()
{
    QFETCH(Boxes, boxes);
    QFETCH(Lines, lines);
    const std::vector<QLineF> drawn
        = mergedOutlines({boxes.begin(), boxes.end()}, QRectF(0, 0, 400, 200));
    QCOMPARE(Lines(drawn.begin(), drawn.end()), lines);
}

// The lines of text on a PDF's pages, as poppler reads them.
static QStringList pdfLines(const QString &pdf)
{
    static const QRegularExpression line(
        R"re(<line [^>]*>(.*?)</line>)re", QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression word(R"re(<word [^>]*>([^<]*)</word>)re");
    QStringList lines;
    auto it = line.globalMatch(toolOutput("pdftotext", {"-bbox-layout", pdf, "-"}));
    while (it.hasNext()) {
        QStringList words;
        auto w = word.globalMatch(it.next().captured(1));
        while (w.hasNext())
            words << w.next().captured(1).replace("&amp;", "&");
        lines << words.join(' ');
    }
    return lines;
}

void TestRoomSheet::everyPieceInFullSomewhere_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("piece"); // cm in a room of 400 x 300 at 1:50 on A4

    QTest::newRow("wide") << "Диван" << QRect(20, 20, 200, 90);
    QTest::newRow("tall") << "Стеллаж книжный" << QRect(350, 20, 40, 180);
    QTest::newRow("tiny") << "Пуф" << QRect(200, 200, 10, 10);
    QTest::newRow("long name") << "Шкаф-купе с зеркалом и антресолью для спальни"
                               << QRect(20, 180, 150, 60);
    QTest::newRow("no room at all") << "Стул 45 мягкий" << QRect(300, 250, 2, 2);
    QTest::newRow("no name") << "" << QRect(100, 150, 5, 120);
}

// Its name and its size each on one line somewhere on the sheet: in its
// label, or in the schedule; and never a number cut short.
void TestRoomSheet::everyPieceInFullSomewhere()
{
    QFETCH(QString, name);
    QFETCH(QRect, piece);
    ObjectTable table;
    // A neighbour whose label fits whole, which the schedule leaves out.
    QVERIFY(table.append("Кресло", "250|330", "120|200"));
    QVERIFY(table.append(name, QString("%1|%2").arg(piece.left()).arg(piece.right() + 1),
        QString("%1|%2").arg(piece.top()).arg(piece.bottom() + 1)));
    ScratchDir dir;
    const QString pdf = dir.filePath("лист.pdf");
    SheetRequest request;
    request.options.scale = 50;
    QCOMPARE(writeSheetPdf(pdf, table, {400, 300}, request), QString());

    const QStringList lines = pdfLines(pdf);
    const QString all = lines.join('\n');
    const QString size = QString("%1 × %2").arg(piece.width()).arg(piece.height());
    QVERIFY2(!all.contains(QRegularExpression(u"\\d…"_qs)), qPrintable(all));
    const auto onALine = [&lines](const QString &text) {
        return std::any_of(lines.begin(), lines.end(),
            [&text](const QString &line) { return line.contains(text); });
    };
    QVERIFY2(onALine(size), qPrintable(all));
    QVERIFY2(name.isEmpty() || onALine(name), qPrintable(all));
    QVERIFY2(onALine("Кресло") && onALine("80 × 80"), qPrintable(all));
    QVERIFY2(onALine("Масштаб 1:50") && onALine("Размеры в сантиметрах"), qPrintable(all));
}

QTEST_MAIN(TestRoomSheet)
#include "test_roomsheet.moc"
