#include "plandexui.h"
#include "support/filebytes.h"

#include <QTemporaryDir>
#include <QTest>

using namespace plandexui;

class TestZoom : public QObject
{
    Q_OBJECT

private slots:
    void aLargerRoomZoomedToFitASmallScreen();
};

namespace {

// Gives the window the keyboard, as no window manager does.
bool focus(XSession &x, quint64 window)
{
    return x.xdotool({"windowfocus", "--sync", QString::number(window)}) && x.waitForFocus(window);
}

} // namespace

void TestZoom::aLargerRoomZoomedToFitASmallScreen()
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath("гостиная.kom");
    QVERIFY(put(file, exampleRoom));
    XSession x({800, 600});
    QVERIFY2(x.start(), "Xvfb did not start");
    QVERIFY(x.startApp({file}));
    quint64 window = x.waitForWindow("^My Plandex$");
    QVERIFY2(window, "no main window");
    QVERIFY(!x.waitForScreenshot(window, [](const QImage &s) {
                  return s.pixelColor(atRoom(100, 50)) == blue;
              }).isNull());

    // The room made 800 x 550: the width's field first, then Tab.
    QVERIFY(focus(x, window));
    QVERIFY(x.key("ctrl+shift+m"));
    const quint64 dialog = x.waitForWindow("^Размеры комнаты$");
    QVERIFY2(dialog, "no room size dialog");
    QVERIFY(x.waitForFocus(dialog) && x.key("ctrl+a") && x.type("800") && x.key("Tab")
        && x.key("ctrl+a") && x.type("550") && x.key("Return"));
    QVERIFY(x.waitForNoWindow("^Размеры комнаты$"));
    // The fitted window is cut to the screen, and the plan scrolls.
    QTRY_COMPARE(x.geometry(window).size(), QSize(800, 587));

    // Zoomed to fit, the room is 400 x 275 pixels: Диван's 40..200 x 20..100
    // cm lie at 20..100 x 10..50 (current, as the list took the keyboard
    // back).
    QVERIFY(focus(x, window));
    QVERIFY(x.key("ctrl+9"));
    auto at = [](int x, int y) { return planOrigin + QPoint(x, y); };
    QImage shot = x.waitForScreenshot(window, [&](const QImage &s) {
        return s.pixelColor(at(60, 30)) == green && s.pixelColor(at(399, 274)) == black
            && s.pixelColor(at(401, 100)) != black;
    });
    QCOMPARE(shot.pixelColor(at(60, 30)), green);
    QCOMPARE(shot.pixelColor(at(120, 30)), black);
    QCOMPARE(shot.pixelColor(at(399, 274)), black);
    QVERIFY(shot.pixelColor(at(401, 100)) != black);

    // 250 pixels to the right are 500 cm: past the old room's wall (and 5
    // down, as a move goes in both directions).
    QVERIFY(x.click(onScreen(x, window, moveButton)));
    QVERIFY(x.drag(onScreen(x, window, at(60, 30)), onScreen(x, window, at(310, 35))));
    shot = x.waitForScreenshot(
        window, [&](const QImage &s) { return s.pixelColor(at(310, 35)) == green; });
    QCOMPARE(shot.pixelColor(at(310, 35)), green);
    QCOMPARE(shot.pixelColor(at(60, 30)), black);

    QVERIFY(focus(x, window));
    QVERIFY(x.key("ctrl+s"));
    QTRY_VERIFY(contentOf(file).startsWith("komfile: 800|550"));

    // Opened again, the room has its size and Диван its new place.
    QVERIFY(x.startApp({file}));
    window = x.waitForWindowOf(x.app().processId(), "^My Plandex$");
    QVERIFY2(window, "no second window");
    QTRY_COMPARE(x.geometry(window).size(), QSize(800, 587));
    shot = x.waitForScreenshot(
        window, [&](const QImage &s) { return s.pixelColor(atRoom(600, 50)) == blue; });
    QCOMPARE(shot.pixelColor(atRoom(600, 50)), blue);
    QCOMPARE(shot.pixelColor(atRoom(100, 50)), black);
}

QTEST_MAIN(TestZoom)
#include "test_e2e_zoom.moc"
