#include "plan/colors.h"
#include "plan/plansurface.h"

#include <QRandomGenerator>
#include <QTest>

using namespace plandex;

class TestPlanSurface : public QObject
{
    Q_OBJECT

private slots:
    void startsBlackAtTheRoomSize();
    void boxesIncludeBothCorners();
    void cornersInAnyOrderAndClipping();
    void outlineLeavesTheInside();
    void pointAnswersMinusOneOutside();
    void pictureIsTheBackground();
    void resizeKeepsTheTopLeft();
    void reportsChanges();
    void savedPixelsComeBackExactly();
    void anyColourReadsBack();
    void plainColourOfAnArea_data();
    void plainColourOfAnArea();
    void savingKeepsAtMostOnePlan();
    void boxesTogetherAsOneByOne_data();
    void boxesTogetherAsOneByOne();
};

void TestPlanSurface::startsBlackAtTheRoomSize()
{
    PlanSurface k;
    QCOMPARE(k.size(), QSize(553, 361));
    QCOMPARE(k.image().size(), QSize(553, 361));
    QCOMPARE(k.point(0, 0), colors::black);
    QCOMPARE(k.point(552, 360), colors::black);
}

void TestPlanSurface::boxesIncludeBothCorners()
{
    PlanSurface k({100, 100});
    k.fillBox(10, 20, 30, 40, colors::blue);
    QCOMPARE(k.point(10, 20), colors::blue);
    QCOMPARE(k.point(30, 40), colors::blue);
    QCOMPARE(k.point(30, 20), colors::blue);
    QCOMPARE(k.point(31, 40), colors::black);
    QCOMPARE(k.point(30, 41), colors::black);
    QCOMPARE(k.point(9, 20), colors::black);
    // A fractional point lies in the pixel that contains it.
    QCOMPARE(k.point(30.9, 40.9), colors::blue);

    k.fillBox(50, 50, 50, 50, colors::green); // a single pixel
    QCOMPARE(k.point(50, 50), colors::green);
    QCOMPARE(k.point(51, 50), colors::black);
}

void TestPlanSurface::cornersInAnyOrderAndClipping()
{
    PlanSurface k({100, 100});
    k.fillBox(30, 40, 10, 20, colors::green);
    QCOMPARE(k.point(10, 20), colors::green);
    QCOMPARE(k.point(30, 40), colors::green);

    // Far outside, with values at the ends of 32 bits: clipped, no crash.
    k.fillBox(-2147483647 - 1, 90, 2147483647, 2147483647, colors::blue);
    QCOMPARE(k.point(0, 99), colors::blue);
    QCOMPARE(k.point(99, 90), colors::blue);
    QCOMPARE(k.point(99, 89), colors::black);
    k.fillBox(200, 200, 300, 300, colors::white); // wholly outside
    QCOMPARE(k.image().pixel(99, 99) & 0xFFFFFF, QRgb(colors::blue));
}

void TestPlanSurface::outlineLeavesTheInside()
{
    PlanSurface k({100, 100});
    k.outlineBox(10, 10, 20, 15, colors::white);
    QCOMPARE(k.point(10, 10), colors::white);
    QCOMPARE(k.point(20, 15), colors::white);
    QCOMPARE(k.point(15, 10), colors::white);
    QCOMPARE(k.point(10, 13), colors::white);
    QCOMPARE(k.point(15, 13), colors::black);
    QCOMPARE(k.point(21, 15), colors::black);

    PlanSurface dot({10, 10});
    dot.outlineBox(0, 0, 0, 0, colors::white);
    QCOMPARE(dot.point(0, 0), colors::white);
    QCOMPARE(dot.point(1, 0), colors::black);
}

void TestPlanSurface::pointAnswersMinusOneOutside()
{
    PlanSurface k({300, 200});
    QCOMPARE(k.point(-1, 0), -1);
    QCOMPARE(k.point(0, -0.5), -1);
    QCOMPARE(k.point(300, 10), -1);
    QCOMPARE(k.point(10, 200), -1);
    QCOMPARE(k.point(299.99, 199.99), colors::black);
}

void TestPlanSurface::pictureIsTheBackground()
{
    PlanSurface k({50, 50});
    k.fillBox(0, 0, 9, 9, colors::blue);
    const QImage snapshot = k.image();

    k.fillBox(20, 20, 30, 30, colors::green);
    k.clear();
    QCOMPARE(k.point(5, 5), colors::black);

    k.setPicture(snapshot);
    QVERIFY(k.hasPicture());
    QCOMPARE(k.point(5, 5), colors::blue);
    k.outlineBox(20, 20, 30, 30, colors::white);
    // Clearing goes back to the picture, not to black.
    k.clear();
    QCOMPARE(k.point(5, 5), colors::blue);
    QCOMPARE(k.point(20, 20), colors::black);

    k.clearPicture();
    QVERIFY(!k.hasPicture());
    k.clear();
    QCOMPARE(k.point(5, 5), colors::black);

    // A picture of another size lies at the top left, floor around it, and
    // stays there through a resize.
    QImage small(20, 10, QImage::Format_RGB32);
    small.fill(qRgb(0x12, 0x34, 0x56));
    k.setPicture(small);
    QCOMPARE(k.point(19, 9), 0x123456);
    QCOMPARE(k.point(20, 9), colors::black);
    QCOMPARE(k.point(19, 10), colors::black);
    k.resize({10, 60});
    k.clear();
    QCOMPARE(k.point(9, 9), 0x123456);
    QCOMPARE(k.point(9, 59), colors::black);
}

void TestPlanSurface::resizeKeepsTheTopLeft()
{
    PlanSurface k({50, 50});
    k.fillBox(0, 0, 49, 49, colors::blue);
    k.resize({700, 500});
    QCOMPARE(k.size(), QSize(700, 500));
    QCOMPARE(k.point(49, 49), colors::blue);
    QCOMPARE(k.point(50, 49), colors::black);
    QCOMPARE(k.point(699, 499), colors::black);
    QCOMPARE(k.point(700, 499), -1);
    k.resize({50, 50});
    QCOMPARE(k.point(50, 10), -1);
}

void TestPlanSurface::reportsChanges()
{
    PlanSurface k({10, 10});
    int changes = 0;
    k.setChangedCallback([&] { ++changes; });
    k.fillBox(1, 1, 2, 2, colors::blue);
    QCOMPARE(changes, 1);
    // Further changes before the view has shown the first ask for nothing.
    k.outlineBox(1, 1, 2, 2, colors::white);
    k.clear();
    QCOMPARE(changes, 1);
    k.markShown();
    k.clear();
    QCOMPARE(changes, 2);
}

// Whatever boxes a drag draws after the snapshot, putting back the saved
// pixels gives the snapshot exactly, and the area reported as changed
// covers every pixel that differs from what was last shown.
void TestPlanSurface::savedPixelsComeBackExactly()
{
    PlanSurface k({120, 90});
    QRandomGenerator random(7);
    auto coord = [&](int size) { return random.bounded(-20, size + 20); };
    const int colours[] = {colors::blue, colors::green, colors::white, colors::black};
    for (int i = 0; i < 12; ++i)
        k.fillBox(coord(120), coord(90), coord(120), coord(90), colours[i % 2]);
    k.saveUnder();
    const QImage snapshot = k.image().copy();
    QCOMPARE(k.savedImage(), snapshot);
    for (int event = 0; event < 200; ++event) {
        k.restoreSaved();
        QCOMPARE(k.image(), snapshot);
        k.markShown();
        const QImage shown = k.image().copy();
        for (int n = random.bounded(1, 4); n > 0; --n) {
            const int rgb = colours[random.bounded(4)];
            if (random.bounded(2))
                k.outlineBox(coord(120), coord(90), coord(120), coord(90), rgb);
            else
                k.fillBox(coord(120), coord(90), coord(120), coord(90), rgb);
        }
        QCOMPARE(k.savedImage(), snapshot);
        const QImage now = k.image();
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 120; ++x)
                if (now.pixel(x, y) != shown.pixel(x, y))
                    QVERIFY(k.changedArea().contains(x, y));
    }
    k.clear(); // a full repaint ends the saving
    QVERIFY(!k.saving());
    QVERIFY(k.savedImage().isNull());
}

// The plan stores few colours compactly; more than a table of 256 holds,
// drawn or in a picture, must still read back exactly, also mid-drag.
void TestPlanSurface::anyColourReadsBack()
{
    auto rgb32 = [](const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); };
    PlanSurface k({300, 10});
    k.fillBox(0, 0, 299, 9, colors::blue);
    QCOMPARE(k.image().depth(), 8); // a quarter of the memory of 32-bit colour
    k.saveUnder();
    const QImage snapshot = rgb32(k.image());
    for (int x = 0; x < 300; ++x)
        k.fillBox(x, 0, x, 4, 0x000100 * x + 7);
    QCOMPARE(k.image().depth(), 32);
    for (int x = 0; x < 300; ++x)
        QCOMPARE(k.point(x, 2), 0x000100 * x + 7);
    QCOMPARE(rgb32(k.savedImage()), snapshot);
    k.restoreSaved();
    QCOMPARE(rgb32(k.image()), snapshot);

    QImage picture(300, 10, QImage::Format_RGB32);
    for (int x = 0; x < 300; ++x)
        for (int y = 0; y < 10; ++y)
            picture.setPixel(x, y, qRgb(x % 256, x / 256, y));
    k.setPicture(picture);
    QCOMPARE(rgb32(k.image()), picture);
    k.fillBox(0, 0, 0, 0, colors::green);
    k.clear();
    QCOMPARE(rgb32(k.image()), picture);
}

void TestPlanSurface::plainColourOfAnArea_data()
{
    QTest::addColumn<bool>("trueColour");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("expected");

    for (const bool trueColour : {false, true}) {
        const char *kind = trueColour ? "32-bit: " : "one byte: ";
        auto row
            = [&](const char *name) -> QTestData & { return QTest::addRow("%s%s", kind, name); };
        row("floor") << trueColour << QRect(0, 0, 10, 90) << colors::black;
        row("inside a box") << trueColour << QRect(20, 20, 11, 21) << colors::blue;
        row("reaching a box's last column") << trueColour << QRect(30, 20, 5, 5) << -1;
        row("reaching a box's last row") << trueColour << QRect(20, 40, 5, 5) << -1;
        row("partly off the plan") << trueColour << QRect(95, 0, 10, 10) << -1;
    }
}

void TestPlanSurface::plainColourOfAnArea()
{
    QFETCH(bool, trueColour);
    QFETCH(QRect, area);
    QFETCH(int, expected);
    PlanSurface k({100, 100});
    if (trueColour) {
        // More colours than a byte holds turn the plan into 32-bit colour.
        QImage picture(100, 100, QImage::Format_RGB32);
        picture.fill(Qt::black);
        for (int i = 0; i < 300; ++i)
            picture.setPixel(i % 100, 90 + i / 100, qRgb(i % 256, 1, i / 256 + 1));
        k.setPicture(picture);
    }
    QCOMPARE(k.image().depth(), trueColour ? 32 : 8);
    k.fillBox(20, 20, 30, 40, colors::blue);
    QCOMPARE(k.plainColour(area), expected);
}

// List clicks after a click on the floor draw while the snapshot is kept:
// however often, no more than one plan's pixels are kept.
void TestPlanSurface::savingKeepsAtMostOnePlan()
{
    PlanSurface k({200, 100});
    k.fillBox(10, 10, 50, 50, colors::blue);
    k.saveUnder();
    const QImage snapshot = k.image().copy();
    for (int i = 0; i < 50; ++i) {
        k.fillBox(0, 0, 199, 99, i % 2 ? colors::green : colors::blue);
        k.fillBox(i, i, i + 20, i + 20, colors::white);
        QVERIFY(k.savedBytes() <= qsizetype(200) * 100);
    }
    QCOMPARE(k.savedImage(), snapshot);
    k.restoreSaved();
    QCOMPARE(k.image(), snapshot);
    QCOMPARE(k.savedBytes(), 0);
}

void TestPlanSurface::boxesTogetherAsOneByOne_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("span"); // the largest side of a box
    QTest::addColumn<bool>("saving");

    QTest::newRow("a few small boxes") << 30 << 12 << false;
    QTest::newRow("boxes over the whole plan") << 400 << 400 << false;
    QTest::newRow("overlapping strips") << 60 << 150 << false;
    QTest::newRow("whole plan, while saving") << 50 << 400 << true;
    QTest::newRow("small boxes, while saving") << 10 << 20 << true;
}

// Drawn together or one by one, boxes of one colour leave the same image,
// swapped corners and boxes beyond the plan included, and report the same
// change; saved pixels come back.
void TestPlanSurface::boxesTogetherAsOneByOne()
{
    QFETCH(int, count);
    QFETCH(int, span);
    QFETCH(bool, saving);
    const QSize size(150, 110);
    PlanSurface together(size), oneByOne(size);
    QRandomGenerator random(uint(count * 1000 + span));
    std::vector<PlanSurface::Box> boxes;
    for (int i = 0; i < count; ++i) {
        const int x = random.bounded(-60, 210), y = random.bounded(-60, 170);
        boxes.push_back(
            {x, y, x + random.bounded(-span, span + 1), y + random.bounded(-span, span + 1)});
    }
    if (span >= size.width())
        boxes.push_back({-5, -5, 400, 400});
    for (PlanSurface *k : {&together, &oneByOne}) {
        k->fillBox(20, 20, 60, 50, colors::green);
        k->fillBox(100, 5, 140, 100, 0x123456);
        if (saving)
            k->saveUnder();
        k->markShown();
    }
    const QImage before = together.image().copy();
    together.fillBoxes(boxes, colors::blue);
    for (const PlanSurface::Box &b : boxes)
        oneByOne.fillBox(b.x1, b.y1, b.x2, b.y2, colors::blue);
    QCOMPARE(together.image(), oneByOne.image());
    QCOMPARE(together.changedArea(), oneByOne.changedArea());
    QVERIFY(together.image() != before);
    if (saving) {
        together.restoreSaved();
        QCOMPARE(together.image(), before);
    }
}

QTEST_APPLESS_MAIN(TestPlanSurface)
#include "test_plansurface.moc"
