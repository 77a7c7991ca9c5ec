#include "plandexui.h"

#include <QTest>

using namespace plandexui;

class TestNewRoom : public QObject
{
    Q_OBJECT

private slots:
    void theWindowFitsASmallerRoom();
    void theOfferedSizeGivesAnEmptyRoomOfThatSize();
    void aRoomOutOfRangeIsRefused_data();
    void aRoomOutOfRangeIsRefused();
};

namespace {

// Clicks the new-room button, answering "Нет" to the question about
// unsaved changes when there are some; the size dialog that came up, or 0.
quint64 openSizeDialog(XSession &x, quint64 window, bool unsaved = false)
{
    if (!x.click(onScreen(x, window, newRoomButton)))
        return 0;
    if (unsaved) {
        const quint64 question = x.waitForWindow(promptTitle);
        if (!question || !x.waitForFocus(question) || !x.key("Tab Return"))
            return 0;
    }
    return x.waitForWindow(sizeDialogTitle);
}

// Replaces the text of both fields, the first having the focus.
bool typeSize(XSession &x, const QString &width, const QString &height)
{
    return x.key("ctrl+a") && x.type(width) && x.key("Tab") && x.key("ctrl+a") && x.type(height);
}

// Whether the plan is black over exactly w x h pixels: black inside (on a
// grid and along its last row and column), not black just right of it and
// just below it.
QString planProblem(const QImage &shot, int w, int h)
{
    auto at = [&](int x, int y) { return shot.pixelColor(atRoom(x, y)); };
    for (int y = 0; y < h; y += 7)
        for (int x = 0; x < w; x += 7)
            if (at(x, y) != black)
                return QString("room point (%1, %2) is %3").arg(x).arg(y).arg(at(x, y).name());
    for (int x = 0; x < w; ++x)
        if (at(x, h - 1) != black)
            return QString("room point (%1, %2) is %3").arg(x).arg(h - 1).arg(at(x, h - 1).name());
    for (int y = 0; y < h; ++y)
        if (at(w - 1, y) != black)
            return QString("room point (%1, %2) is %3").arg(w - 1).arg(y).arg(at(w - 1, y).name());
    for (const QPoint p : {QPoint(w, h / 2), QPoint(w / 2, h), QPoint(w, 0), QPoint(0, h)})
        if (at(p.x(), p.y()) == black)
            return QString("room point (%1, %2), outside the room, is black").arg(p.x()).arg(p.y());
    return {};
}

} // namespace

void TestNewRoom::theWindowFitsASmallerRoom()
{
    XSession x;
    quint64 window = 0;
    const QString started = startPlandex(x, window);
    QVERIFY2(started.isEmpty(), qPrintable(started));

    const quint64 dialog = openSizeDialog(x, window);
    QVERIFY2(dialog, "no dialog titled Изменение размеров объекта");
    QCOMPARE(x.title(dialog), QStringLiteral("Изменение размеров объекта"));
    QVERIFY2(x.waitForFocus(dialog), "the size dialog has no keyboard focus");
    QVERIFY(typeSize(x, "300", "200"));
    QVERIFY(x.key("Return"));
    QVERIFY2(x.waitForNoWindow(sizeDialogTitle), "the size dialog stayed open");

    // 300 + 150 wide; 200 + 37 high is below the smallest height, 365.
    QTRY_COMPARE_WITH_TIMEOUT(x.geometry(window).size(), QSize(450, 365), 5000);
    const QImage shot = x.waitForScreenshot(window, [](const QImage &s) {
        return s.size() == QSize(450, 365) && s.pixelColor(atRoom(299, 199)) == black
            && s.pixelColor(atRoom(300, 100)) != black && s.pixelColor(atRoom(100, 200)) != black;
    });
    QCOMPARE(shot.size(), QSize(450, 365));
    const QString problem = planProblem(shot, 300, 200);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(x.title(window), QString("My Plandex"));
}

void TestNewRoom::theOfferedSizeGivesAnEmptyRoomOfThatSize()
{
    XSession x;
    quint64 window = 0;
    const QString started = startPlandex(x, window);
    QVERIFY2(started.isEmpty(), qPrintable(started));
    const QColor listBackground = x.screenshot(window).pixelColor(listInside.center());
    QVERIFY2(drawObject(x, window, {40, 30}, {140, 90}, QStringLiteral("Диван")),
        "the object was not drawn");
    const QImage drawn = x.waitForScreenshot(
        window, [](const QImage &s) { return s.pixelColor(atRoom(90, 60)) == green; });
    QCOMPARE(drawn.pixelColor(atRoom(90, 60)), green);
    QVERIFY(lowestListInk(drawn, listBackground) >= 0);

    // The dialog offers the room's own size: taken as it is, it gives a
    // new, empty room of 553 x 361 in a window that keeps its size. (Any
    // other text would resize the window or, not being numbers, keep the
    // dialog open behind a message.)
    const quint64 dialog = openSizeDialog(x, window, true);
    QVERIFY2(dialog, "no dialog titled Изменение размеров объекта");
    QVERIFY2(x.waitForFocus(dialog), "the size dialog has no keyboard focus");
    QVERIFY(x.key("Return"));
    QVERIFY2(x.waitForNoWindow(sizeDialogTitle), "the size dialog stayed open");

    const QImage shot = x.waitForScreenshot(window, [&](const QImage &s) {
        return s.pixelColor(atRoom(90, 60)) == black && lowestListInk(s, listBackground) == -1;
    });
    QCOMPARE(x.geometry(window).size(), QSize(703, 398));
    const QString problem = planProblem(shot, 553, 361);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(lowestListInk(shot, listBackground), -1);
}

void TestNewRoom::aRoomOutOfRangeIsRefused_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::newRow("too wide") << "701"
                              << "500";
    QTest::newRow("too deep") << "700"
                              << "501";
    QTest::newRow("too narrow") << "49"
                                << "200";
    QTest::newRow("too shallow") << "300"
                                 << "49";
}

void TestNewRoom::aRoomOutOfRangeIsRefused()
{
    QFETCH(QString, width);
    QFETCH(QString, height);

    XSession x;
    quint64 window = 0;
    const QString started = startPlandex(x, window);
    QVERIFY2(started.isEmpty(), qPrintable(started));
    QVERIFY2(drawObject(x, window, {40, 30}, {140, 90}, QStringLiteral("Диван")),
        "the object was not drawn");

    const quint64 dialog = openSizeDialog(x, window, true);
    QVERIFY2(dialog, "no dialog titled Изменение размеров объекта");
    QVERIFY2(x.waitForFocus(dialog), "the size dialog has no keyboard focus");
    QVERIFY(typeSize(x, width, height));
    QVERIFY(x.key("Return"));

    const quint64 message = x.waitForWindow(promptTitle);
    QVERIFY2(message, "no message box titled Plandex");
    QCOMPARE(x.title(message), QString("Plandex"));
    QVERIFY2(x.waitForFocus(message), "the message box has no keyboard focus");
    const QPoint floor = coveredFloor(x, window, message, {553, 361});
    QVERIFY2(floor.x() >= 0, "the message box covers no free floor");
    QVERIFY(x.key("Return"));
    QVERIFY2(x.waitForNoWindow(promptTitle), "Return did not close the message box");
    QVERIFY2(x.waitForNoWindow(sizeDialogTitle), "the size dialog stayed open");

    // Once plandex has painted the floor the message covered, the room,
    // its window and its object are as they were; the object is no longer
    // the current one.
    const QImage shot = x.waitForScreenshot(
        window, [&](const QImage &s) { return s.pixelColor(atRoom(floor)) == black; });
    QCOMPARE(shot.pixelColor(atRoom(floor)), black);
    QCOMPARE(x.geometry(window).size(), QSize(703, 398));
    QCOMPARE(shot.pixelColor(atRoom(90, 60)), blue);
    QCOMPARE(shot.size(), QSize(703, 398));
    QCOMPARE(shot.pixelColor(atRoom(40, 30)), blue);
    QCOMPARE(shot.pixelColor(atRoom(140, 90)), blue);
    QCOMPARE(shot.pixelColor(atRoom(141, 90)), black);
    QCOMPARE(shot.pixelColor(atRoom(552, 360)), black);
    QVERIFY(shot.pixelColor(atRoom(553, 180)) != black);
    QVERIFY(shot.pixelColor(atRoom(276, 361)) != black);
}

QTEST_MAIN(TestNewRoom)
#include "test_e2e_newroom.moc"
