#include "plandexui.h"

#include <QTest>

using namespace plandexui;

class TestResize : public QObject
{
    Q_OBJECT

private slots:
    void aTypedLengthWidensTheObject();
    void swappingTheSizesTurnsTheObject();
    void theDialogOffersTheObjectsSize();
};

namespace {

const QPoint corner(40, 30);

// Starts plandex, draws the object "Стол" from room point (40, 30) to
// (140, 90), switches to resize mode and double-clicks the object. Empty
// when the size dialog came up with the keyboard focus (its id in dialog),
// else what went wrong.
QString openObjectSizes(XSession &x, quint64 &window, quint64 &dialog)
{
    dialog = 0;
    const QString started = startPlandex(x, window);
    if (!started.isEmpty())
        return started;
    if (!drawObject(x, window, corner, {140, 90}, QStringLiteral("Стол")))
        return "the object was not drawn";
    const QImage drawn = x.waitForScreenshot(
        window, [](const QImage &s) { return s.pixelColor(atRoom(90, 60)) == green; });
    if (drawn.pixelColor(atRoom(90, 60)) != green)
        return "the new object is not green";
    if (!x.click(onScreen(x, window, resizeButton)))
        return "the resize button could not be clicked";
    if (!x.click(onScreen(x, window, atRoom(90, 60)), 2))
        return "the object could not be double-clicked";
    dialog = x.waitForWindow(sizeDialogTitle);
    if (!dialog)
        return "no dialog titled Изменение размеров объекта after the double click";
    if (!x.waitForFocus(dialog))
        return "the size dialog has no keyboard focus";
    return {};
}

// Whether the object fills exactly the room rectangle from corner to
// corner + (w, h), both ends included, in green.
QString objectProblem(const QImage &shot, int w, int h)
{
    const QPoint far = corner + QPoint(w, h);
    const QPoint inside[]
        = {corner, {far.x(), corner.y()}, {corner.x(), far.y()}, far, (corner + far) / 2};
    for (const QPoint &p : inside)
        if (shot.pixelColor(atRoom(p)) != green)
            return QString("room point (%1, %2) is %3, not green")
                .arg(p.x())
                .arg(p.y())
                .arg(shot.pixelColor(atRoom(p)).name());
    const QPoint outside[]
        = {{far.x() + 1, corner.y()}, {far.x() + 1, far.y()}, {corner.x(), far.y() + 1},
            {far.x(), far.y() + 1}, {corner.x() - 1, corner.y()}, {corner.x(), corner.y() - 1}};
    for (const QPoint &p : outside)
        if (shot.pixelColor(atRoom(p)) != black)
            return QString("room point (%1, %2) is %3, not black")
                .arg(p.x())
                .arg(p.y())
                .arg(shot.pixelColor(atRoom(p)).name());
    return {};
}

} // namespace

void TestResize::aTypedLengthWidensTheObject()
{
    XSession x;
    quint64 window = 0, dialog = 0;
    const QString opened = openObjectSizes(x, window, dialog);
    QVERIFY2(opened.isEmpty(), qPrintable(opened));
    const QImage before = x.screenshot(window);

    QVERIFY(x.key("ctrl+a"));
    QVERIFY(x.type("150"));
    QVERIFY(x.key("Return"));
    QVERIFY2(x.waitForNoWindow(sizeDialogTitle), "the size dialog stayed open");

    const QImage shot = x.waitForScreenshot(window,
        [](const QImage &s) { return s.pixelColor(atRoom(corner + QPoint(150, 30))) == green; });
    const QString problem = objectProblem(shot, 150, 60);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(shot.copy(sizeLabels) != before.copy(sizeLabels));
}

void TestResize::swappingTheSizesTurnsTheObject()
{
    XSession x;
    quint64 window = 0, dialog = 0;
    const QString opened = openObjectSizes(x, window, dialog);
    QVERIFY2(opened.isEmpty(), qPrintable(opened));

    // The swap button right of the second field, then "Да" (both by
    // mouse; Return would press the swap button again, as it has the
    // focus): the length the dialog showed becomes the width and the width
    // the length.
    QVERIFY(x.click(onScreen(x, dialog, {188, 60})));
    QVERIFY(x.click(onScreen(x, dialog, {264, 20})));
    QVERIFY2(x.waitForNoWindow(sizeDialogTitle), "the size dialog stayed open");

    const QImage shot = x.waitForScreenshot(window,
        [](const QImage &s) { return s.pixelColor(atRoom(corner + QPoint(30, 100))) == green; });
    const QString problem = objectProblem(shot, 60, 100);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestResize::theDialogOffersTheObjectsSize()
{
    XSession x;
    quint64 window = 0, dialog = 0;
    const QString opened = openObjectSizes(x, window, dialog);
    QVERIFY2(opened.isEmpty(), qPrintable(opened));
    const QPoint floor = coveredFloor(x, window, dialog, {553, 361});
    QVERIFY2(floor.x() >= 0, "the size dialog covers no free floor");

    // Taken as offered, the sizes leave the object as it is: 100 x 60.
    QVERIFY(x.key("Return"));
    QVERIFY2(x.waitForNoWindow(sizeDialogTitle), "the size dialog stayed open");
    // Once the floor the dialog covered is painted again, the plan shows
    // the object as the dialog left it.
    const QImage shot = x.waitForScreenshot(
        window, [&](const QImage &s) { return s.pixelColor(atRoom(floor)) == black; });
    QCOMPARE(shot.pixelColor(atRoom(floor)), black);
    const QString problem = objectProblem(shot, 100, 60);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_MAIN(TestResize)
#include "test_e2e_resize.moc"
