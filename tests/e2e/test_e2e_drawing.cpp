#include "plandexui.h"

#include <QTest>

using namespace plandexui;

class TestDrawing : public QObject
{
    Q_OBJECT

private slots:
    void aNamedObjectIsGreenAndListed();
    void aSecondObjectTakesTheGreen();
    void escapeInTheNamePromptDropsTheBand();
};

namespace {

// Whether the room rectangle from a to b (both included) is filled with
// colour at its corners and centre, with black plan just outside; empty when
// so, else what is wrong.
QString boxProblem(const QImage &shot, QPoint a, QPoint b, const QColor &colour)
{
    const QPoint inside[] = {a, {b.x(), a.y()}, {a.x(), b.y()}, b, (a + b) / 2};
    for (const QPoint &p : inside) {
        if (shot.pixelColor(atRoom(p)) != colour)
            return QString("room point (%1, %2) is %3, not %4")
                .arg(p.x())
                .arg(p.y())
                .arg(shot.pixelColor(atRoom(p)).name(), colour.name());
    }
    const QPoint outside[] = {{a.x() - 1, a.y()}, {a.x(), a.y() - 1}, {b.x() + 1, b.y()},
        {b.x(), b.y() + 1}, {b.x() + 1, a.y()}, {a.x(), b.y() + 1}};
    for (const QPoint &p : outside) {
        if (shot.pixelColor(atRoom(p)) != black)
            return QString("room point (%1, %2) outside the box is %3, not black")
                .arg(p.x())
                .arg(p.y())
                .arg(shot.pixelColor(atRoom(p)).name());
    }
    return {};
}

} // namespace

void TestDrawing::aNamedObjectIsGreenAndListed()
{
    XSession x;
    quint64 window = 0;
    const QString started = startPlandex(x, window);
    QVERIFY2(started.isEmpty(), qPrintable(started));
    const QImage before = x.screenshot(window);
    const QColor listBackground = before.pixelColor(listInside.center());
    QVERIFY(listBackground != before.pixelColor(windowBackground));
    QCOMPARE(lowestListInk(before, listBackground), -1);

    const QPoint a(40, 30), b(140, 90);
    const quint64 prompt = dragBand(x, window, a, b);
    QVERIFY2(prompt, "no name prompt titled Plandex after the drag");
    QCOMPARE(x.title(prompt), QString("Plandex"));
    QVERIFY2(answer(x, prompt, promptTitle, QStringLiteral("Диван")),
        "the name prompt did not take the name");

    const QImage shot = x.waitForScreenshot(window, [&](const QImage &s) {
        return s.pixelColor(atRoom((a + b) / 2)) == green && lowestListInk(s, listBackground) >= 0;
    });
    const QString problem = boxProblem(shot, a, b, green);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    // The list is back (its background, not the window's, at its foot)
    // and holds a row at its top.
    QCOMPARE(shot.pixelColor(listInside.bottomLeft()), listBackground);
    const int ink = lowestListInk(shot, listBackground);
    QVERIFY2(ink >= listInside.top() && ink < listInside.top() + 30,
        qPrintable(QString("lowest list ink at line %1").arg(ink)));
    // The size labels no longer show the room's size.
    QVERIFY(shot.copy(sizeLabels) != before.copy(sizeLabels));

    // The name arrived as typed: grabbing the object in move mode shows it
    // in the caption.
    QVERIFY(x.click(onScreen(x, window, moveButton)));
    QVERIFY(x.click(onScreen(x, window, atRoom(90, 60))));
    QTRY_COMPARE_WITH_TIMEOUT(x.title(window), QStringLiteral("My Plandex - Диван"), 10000);
}

void TestDrawing::aSecondObjectTakesTheGreen()
{
    XSession x;
    quint64 window = 0;
    const QString started = startPlandex(x, window);
    QVERIFY2(started.isEmpty(), qPrintable(started));
    const QColor listBackground = x.screenshot(window).pixelColor(listInside.center());

    const QPoint a1(40, 30), b1(140, 90);
    QVERIFY2(drawObject(x, window, a1, b1, QStringLiteral("Диван")), "first object not drawn");
    const QImage withOne = x.waitForScreenshot(
        window, [&](const QImage &s) { return s.pixelColor(atRoom((a1 + b1) / 2)) == green; });
    const int oneRow = lowestListInk(withOne, listBackground);
    QVERIFY(oneRow >= 0);

    const QPoint a2(200, 150), b2(300, 220);
    QVERIFY2(drawObject(x, window, a2, b2, QStringLiteral("Шкаф")), "second object not drawn");
    const QImage shot = x.waitForScreenshot(window, [&](const QImage &s) {
        return s.pixelColor(atRoom((a2 + b2) / 2)) == green
            && s.pixelColor(atRoom((a1 + b1) / 2)) == blue;
    });
    const QString second = boxProblem(shot, a2, b2, green);
    QVERIFY2(second.isEmpty(), qPrintable(second));
    const QString first = boxProblem(shot, a1, b1, blue);
    QVERIFY2(first.isEmpty(), qPrintable(first));
    // A second row below the first.
    const int twoRows = lowestListInk(shot, listBackground);
    QVERIFY2(twoRows > oneRow + 5,
        qPrintable(
            QString("list ink ends at line %1, with one row at %2").arg(twoRows).arg(oneRow)));

    // Both names are kept as typed.
    QVERIFY(x.click(onScreen(x, window, moveButton)));
    QVERIFY(x.click(onScreen(x, window, atRoom(90, 60))));
    QTRY_COMPARE_WITH_TIMEOUT(x.title(window), QStringLiteral("My Plandex - Диван"), 10000);
    QVERIFY(x.click(onScreen(x, window, atRoom(250, 185))));
    QTRY_COMPARE_WITH_TIMEOUT(x.title(window), QStringLiteral("My Plandex - Шкаф"), 10000);
}

void TestDrawing::escapeInTheNamePromptDropsTheBand()
{
    XSession x;
    quint64 window = 0;
    const QString started = startPlandex(x, window);
    QVERIFY2(started.isEmpty(), qPrintable(started));
    const QImage before = x.screenshot(window);
    const QColor listBackground = before.pixelColor(listInside.center());

    const QPoint a(40, 30), b(140, 90);
    const quint64 prompt = dragBand(x, window, a, b);
    QVERIFY2(prompt, "no name prompt titled Plandex after the drag");

    // While the prompt asks, the band is a white outline (where the prompt
    // does not cover it).
    const QRect promptArea(
        x.geometry(prompt).topLeft() - x.geometry(window).topLeft(), x.geometry(prompt).size());
    const QPoint band[] = {a, {b.x(), a.y()}, {a.x(), b.y()}, b, {(a.x() + b.x()) / 2, a.y()}};
    int seen = 0;
    const QImage asking = x.waitForScreenshot(
        window, [&](const QImage &s) { return s.pixelColor(atRoom(a)) == white; });
    for (const QPoint &p : band) {
        if (promptArea.contains(atRoom(p)))
            continue;
        QCOMPARE(asking.pixelColor(atRoom(p)), white);
        ++seen;
    }
    QVERIFY2(seen >= 3, "the prompt hides the band");
    QCOMPARE(asking.pixelColor(atRoom((a + b) / 2)), black);

    QVERIFY(x.waitForFocus(prompt));
    QVERIFY(x.key("Escape"));
    QVERIFY2(x.waitForNoWindow(promptTitle), "Escape did not close the name prompt");

    const QImage shot = x.waitForScreenshot(window, [&](const QImage &s) {
        return s.pixelColor(atRoom(a)) == black && s.pixelColor(atRoom(b)) == black;
    });
    for (const QPoint &p : band)
        QCOMPARE(shot.pixelColor(atRoom(p)), black);
    for (int y = a.y(); y <= b.y(); y += 3) {
        QCOMPARE(shot.pixelColor(atRoom(a.x(), y)), black);
        QCOMPARE(shot.pixelColor(atRoom(b.x(), y)), black);
    }
    for (int x0 = a.x(); x0 <= b.x(); x0 += 3) {
        QCOMPARE(shot.pixelColor(atRoom(x0, a.y())), black);
        QCOMPARE(shot.pixelColor(atRoom(x0, b.y())), black);
    }
    // The list is back, still empty, and the window keeps its caption.
    QCOMPARE(shot.pixelColor(listInside.bottomLeft()), listBackground);
    QCOMPARE(lowestListInk(shot, listBackground), -1);
    QCOMPARE(x.title(window), QString("My Plandex"));
}

QTEST_MAIN(TestDrawing)
#include "test_e2e_drawing.moc"
