#include "model/objecttable.h"
#include "openings/opening.h"
#include "sheet/sheetexport.h"
#include "support/scratchdir.h"
#include "support/sheetchecks.h"

#include <QTest>

using namespace plandex;

class TestOpeningSheet : public QObject
{
    Q_OBJECT

private slots:
    void doorDimensionsOnPaper();
};

// A door 80 wide, 100 from the nearer corner of the bottom wall: on a PDF
// at 1:50 its width stands in the middle of its gap and the distance in the
// middle of the wall before it, both inside the room beside the wall.
void TestOpeningSheet::doorDimensionsOnPaper()
{
    const QSize room(300, 200);
    const Opening door {OpeningKind::Door, Wall::Bottom, 100, 80, true, true};
    const Edges a = openingArea(door, room);
    ObjectTable table;
    table.append(openingName(door), QString("%1|%2").arg(a.left).arg(a.right),
        QString("%1|%2").arg(a.top).arg(a.bottom));
    ScratchDir dir;
    const QString pdf = dir.path() + "/room.pdf";
    SheetRequest request;
    request.options.scale = 50;
    QCOMPARE(writeSheetPdf(pdf, table, room, request), QString());

    const QRectF page = sheetPageLayout(request.paper, room).fullRectPoints();
    const SheetLayout s = layoutSheet(page.size(), 72, room, 50);
    const QList<PdfWord> words = pdfWords(pdf);
    for (const auto &[text, middleCm] : {std::pair(QString("80"), 140), {QString("100"), 50}}) {
        const auto at = std::find_if(words.begin(), words.end(),
            [&label = text](const PdfWord &w) { return w.text == label; });
        QVERIFY2(at != words.end(), qPrintable("no " + text));
        const double alongMm = (at->box.center().x() - s.room.left()) / pointsPerMm;
        const double insideMm = (s.room.bottom() - at->box.bottom()) / pointsPerMm;
        QVERIFY2(std::abs(alongMm - middleCm / 5.0) < 0.5 && insideMm > 3 && insideMm < 8,
            qPrintable(
                QString("%1: %2 mm along, %3 mm inside").arg(text).arg(alongMm).arg(insideMm)));
    }
    // Not an object: no name in its swing.
    QVERIFY(std::none_of(
        words.begin(), words.end(), [](const PdfWord &w) { return w.text.contains("Дверь"); }));
}

QTEST_MAIN(TestOpeningSheet)
#include "test_openingsheet.moc"
