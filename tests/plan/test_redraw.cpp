#include "plan/colors.h"
#include "plan/editor.h"
#include "support/fakewindow.h"

#include <QTest>

using namespace plandex;

class TestRedraw : public QObject
{
    Q_OBJECT

private slots:
    void emptyTableGivesABlackPlan();
    void drawsEveryObjectBlueAndSelectsTheLast();
    void aGreenObjectTurnsBlue();
    void wipesTheSnapshotAndTheBackground();
    void laterRowsAreDrawnOnTop();
    void walkRunsWithTheListNotReady();
    void loadShowsTheRoomSize();
};

void TestRedraw::emptyTableGivesABlackPlan()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.K().fillBox(0, 0, 552, 360, colors::green);
    e.state().objLeft = 7;

    e.OBNOV();

    const QImage img = e.K().image();
    QCOMPARE(img.size(), QSize(553, 361));
    for (int y = 0; y < img.height(); y += 7)
        for (int x = 0; x < img.width(); x += 7)
            QCOMPARE(img.pixel(x, y) & 0xFFFFFF, QRgb(0));
    QCOMPARE(e.table().selection(), -1);
    QVERIFY(e.state().listReady);
    QCOMPARE(e.state().objLeft, 7); // unchanged with no rows
}

void TestRedraw::drawsEveryObjectBlueAndSelectsTheLast()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.table().append("Диван", " 40|200", " 20|100");
    e.table().append("Стол", "300|380", "150|230");
    e.table().append("Шкаф", " 10| 30", " 300| 350");

    e.OBNOV();

    const PlanSurface &k = e.K();
    QCOMPARE(k.point(40, 20), colors::blue);
    QCOMPARE(k.point(200, 100), colors::blue);
    QCOMPARE(k.point(201, 100), colors::black);
    QCOMPARE(k.point(300, 150), colors::blue);
    QCOMPARE(k.point(380, 230), colors::blue);
    QCOMPARE(k.point(10, 300), colors::blue);
    QCOMPARE(k.point(30, 350), colors::blue);
    QCOMPARE(k.point(31, 350), colors::black);
    QCOMPARE(k.point(250, 120), colors::black);

    QCOMPARE(e.table().selection(), 2);
    const WindowState &s = e.state();
    QCOMPARE(QList<qint32>({s.objLeft, s.objTop, s.objRight, s.objBottom}),
        QList<qint32>({10, 300, 30, 350}));
}

void TestRedraw::aGreenObjectTurnsBlue()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.table().append("a", "10|20", "10|20");
    e.table().append("b", "50|60", "50|60");
    e.K().fillBox(10, 10, 20, 20, colors::green);

    e.OBNOV();

    QCOMPARE(e.K().point(15, 15), colors::blue);
    QCOMPARE(e.K().point(55, 55), colors::blue);
}

void TestRedraw::wipesTheSnapshotAndTheBackground()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.table().append("a", "10|20", "10|20");
    // A drag in progress: the snapshot shown as background, a preview on top.
    QImage snapshot = e.K().image();
    snapshot.setPixel(100, 100, qRgb(255, 255, 255));
    e.K().setPicture(snapshot);
    e.K().fillBox(200, 200, 220, 220, colors::green);

    e.OBNOV();

    QVERIFY(!e.K().hasPicture());
    QVERIFY(e.tmpPic().isNull());
    QCOMPARE(e.K().point(100, 100), colors::black);
    QCOMPARE(e.K().point(210, 210), colors::black);
    QCOMPARE(e.K().point(15, 15), colors::blue);
}

void TestRedraw::laterRowsAreDrawnOnTop()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    // Only a loaded file could hold overlapping rows; both are blue, and a
    // row that cannot be read whole borrows the previous row's numbers.
    e.table().append("a", "0|10", "0|10");
    e.table().append("b", "5|99999999999", "5|15");
    e.OBNOV();
    QCOMPARE(e.K().point(10, 15), colors::blue);
    QCOMPARE(e.K().point(11, 15), colors::black);
    QCOMPARE(e.state().objRight, 10);
}

void TestRedraw::walkRunsWithTheListNotReady()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.table().append("a", "0|10", "0|10");
    e.table().append("b", "20|30", "20|30");
    QList<bool> readyAtClick;
    QObject::connect(
        &e.table(), &ObjectTable::clicked, [&] { readyAtClick << e.state().listReady; });
    e.OBNOV();
    QVERIFY(!readyAtClick.isEmpty());
    QVERIFY(!readyAtClick.contains(true));
    QVERIFY(e.state().listReady);
}

void TestRedraw::loadShowsTheRoomSize()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.state().pressX = 5;
    e.load();
    QCOMPARE(window.labelW, QString("553"));
    QCOMPARE(window.labelH, QString("361"));
    QCOMPARE(e.state().pressX, -1);
    QCOMPARE(e.state().pressY, -1);
}

QTEST_APPLESS_MAIN(TestRedraw)
#include "test_redraw.moc"
