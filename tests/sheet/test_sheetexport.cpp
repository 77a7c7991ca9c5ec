#include "sheet/sheetexport.h"
#include "sheet/sheetstyle.h"

#include <QFontMetricsF>
#include <QTest>

using namespace plandex;

class TestSheetExport : public QObject
{
    Q_OBJECT

private slots:
    void tooBigNamesTheScaleAndPaperThatFit_data();
    void tooBigNamesTheScaleAndPaperThatFit();
    void digitsAsHighAsTheStandardsAsk_data();
    void digitsAsHighAsTheStandardsAsk();
};

void TestSheetExport::tooBigNamesTheScaleAndPaperThatFit_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("why");

    QTest::newRow("start room at 1:25 on A4")
        << QSize(553, 361) << QPageSize::A4 << 25
        << "комната 553 × 361 см не помещается на лист A4 в масштабе 1:25; на нём наибольший "
           "масштаб 1:50; в масштабе 1:25 нужен лист A3";
    QTest::newRow("at 1:10 on Letter")
        << QSize(300, 200) << QPageSize::Letter << 10
        << "комната 300 × 200 см не помещается на лист Letter в масштабе 1:10; на нём "
           "наибольший масштаб 1:20; в масштабе 1:10 нужен лист A3";
    QTest::newRow("no paper at the scale")
        << QSize(4096, 4096) << QPageSize::A3 << 100
        << "комната 4096 × 4096 см не помещается на лист A3 в масштабе 1:100; на нём "
           "наибольший масштаб 1:200";
    QTest::newRow("not even A3 at 1:1")
        << QSize(50, 50) << QPageSize::A3 << 1
        << "комната 50 × 50 см не помещается на лист A3 в масштабе 1:1; на нём наибольший "
           "масштаб 1:10";
}

void TestSheetExport::tooBigNamesTheScaleAndPaperThatFit()
{
    QFETCH(QSize, room);
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(int, scale);
    QFETCH(QString, why);
    SheetRequest request;
    request.paper = QPageSize(paper);
    request.options.scale = scale;
    QVERIFY(!sheetFits(room, request));
    QCOMPARE(sheetTooBig(room, request), why);
}

void TestSheetExport::digitsAsHighAsTheStandardsAsk_data()
{
    QTest::addColumn<double>("mm");

    for (const double mm : labelDigitMm)
        QTest::addRow("%.1f mm", mm) << mm;
}

// A flat digit as high as asked, to a hair; a round one overshoots it.
void TestSheetExport::digitsAsHighAsTheStandardsAsk()
{
    QFETCH(double, mm);
    SheetLayout layout;
    layout.dpi = sheetDpi;
    const QFontMetricsF metrics(sheetFont(layout, mm));
    const double flat = metrics.tightBoundingRect("4").height() / layout.mm(1);
    QVERIFY2(flat >= mm && flat < mm + 0.03, qPrintable(QString::number(flat)));
    QVERIFY(metrics.tightBoundingRect("0").height() / layout.mm(1) > flat);
}

QTEST_MAIN(TestSheetExport)
#include "test_sheetexport.moc"
