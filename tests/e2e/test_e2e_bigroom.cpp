#include "plandexui.h"
#include "support/filebytes.h"
#include "xsession.h"

#include <QString>
#include <QTemporaryDir>
#include <QTest>

using namespace plandexui;

namespace {

// Larger than any screen of these tests.
const QByteArray bigRoom = "komfile: 2000|1500\x01\r\n";

// The box of pixels of one colour inside an area of a screenshot.
QRect boxOf(const QImage &shot, const QColor &colour, QRect area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (shot.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestBigRoom : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(put(m_room, bigRoom)); }
    void drawingOnTheScrolledPlanLandsUnderTheMouse();
    void aBigRoomFromTheCommandLineFitsTheScreenWithItsFrame();

private:
    QTemporaryDir m_dir;
    const QString m_room = m_dir.filePath("big.kom");
};

void TestBigRoom::drawingOnTheScrolledPlanLandsUnderTheMouse()
{
    XSession x({1280, 1024});
    QVERIFY2(x.start(), "Xvfb did not start");
    QVERIFY(x.startApp({m_room}));
    const quint64 window = x.waitForWindow("^My Plandex$");
    QVERIFY2(window != 0, "no window titled My Plandex");
    // The whole screen, no more: there is no window manager and so no frame.
    QCOMPARE(x.geometry(window), QRect(0, 0, 1280, 1024));

    // A first object, seen where it was drawn.
    const QRect first(atRoom(300, 250), atRoom(360, 290));
    QVERIFY(drawObject(
        x, window, first.topLeft() - planOrigin, first.bottomRight() - planOrigin, "Шкаф"));
    const QRect plan(planOrigin, QSize(1000, 900)); // inside the visible part
    QImage shot = x.waitForScreenshot(
        window, [&](const QImage &s) { return boxOf(s, green, plan) == first; });
    QCOMPARE(boxOf(shot, green, plan), first);

    // Scroll down and right with the wheel, over the plan.
    const QPoint middle = onScreen(x, window, atRoom(500, 400));
    QVERIFY(x.xdotool(
        {"mousemove", "--sync", QString::number(middle.x()), QString::number(middle.y())}));
    QVERIFY(x.xdotool({"click", "--repeat", "1", "--delay", "80", "5"}));
    QVERIFY(x.xdotool({"click", "--repeat", "1", "--delay", "80", "7"}));
    shot = x.waitForScreenshot(window, [&](const QImage &s) {
        const QRect moved = boxOf(s, green, plan);
        return moved.size() == first.size() && moved.y() < first.y() && moved.x() < first.x();
    });
    const QRect scrolled = boxOf(shot, green, plan);
    QCOMPARE(scrolled.size(), first.size());
    QVERIFY2(scrolled.y() < first.y() && scrolled.x() < first.x(), "the plan did not scroll");

    // A second object drawn where the first was on the screen lands under
    // the mouse, and the first stays where scrolling put it.
    QVERIFY(drawObject(
        x, window, first.topLeft() - planOrigin, first.bottomRight() - planOrigin, "Стол"));
    shot = x.waitForScreenshot(
        window, [&](const QImage &s) { return boxOf(s, green, plan) == first; });
    QCOMPARE(boxOf(shot, green, plan), first);
    QCOMPARE(boxOf(shot, blue, plan), scrolled);

    // A band held next to the plan's lower edge scrolls on: its top goes up
    // with the room, its bottom stays under the mouse.
    const QPoint press(836, 700), held(900, 990);
    const auto moveTo = [&](QPoint p) {
        return x.xdotool({"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
    };
    QVERIFY(moveTo(press) && x.xdotool({"mousedown", "1"}) && moveTo(press + QPoint(20, 100))
        && moveTo(held));
    QTest::qWait(800);
    QVERIFY(x.xdotool({"mouseup", "1"}));
    const quint64 prompt = x.waitForWindow(promptTitle);
    QVERIFY(prompt && answer(x, prompt, promptTitle, "Ковёр"));
    const QRect whole(0, 0, 1280, 1024);
    shot = x.waitForScreenshot(
        window, [&](const QImage &s) { return boxOf(s, green, whole).bottomRight() == held; });
    const QRect band = boxOf(shot, green, whole);
    QCOMPARE(band.bottomRight(), held);
    QVERIFY2(band.top() < press.y() - 100, "the plan did not scroll on");
}

void TestBigRoom::aBigRoomFromTheCommandLineFitsTheScreenWithItsFrame()
{
    XSession x({1024, 768});
    QVERIFY2(x.start(), "Xvfb did not start");
    QVERIFY2(x.startWindowManager(), "openbox did not start");
    QVERIFY(x.startApp({m_room}));
    const quint64 window = x.waitForWindow("^My Plandex$");
    QVERIFY2(window != 0, "no window titled My Plandex");
    // The window manager frames the window a moment after it shows; the
    // frame then fills the screen, which has no panels.
    const QRect screen(0, 0, 1024, 768);
    QRect frame;
    QTRY_VERIFY2_WITH_TIMEOUT((frame = x.frameGeometry(window)) == screen,
        qPrintable(QString("the frame lies at %1,%2 and is %3 x %4")
                       .arg(frame.x())
                       .arg(frame.y())
                       .arg(frame.width())
                       .arg(frame.height())),
        5000);
    QVERIFY2(x.geometry(window).size() != frame.size(), "the window has no frame");
}

QTEST_MAIN(TestBigRoom)
#include "test_e2e_bigroom.moc"
