// Runs twice, the second time with QT_SCALE_FACTOR=2: the steps are of the
// plan's size on the screen at 100%, whatever the screen.

#include "app/mainwindow.h"
#include "support/fakewindow.h"
#include "support/planchecks.h"
#include "view/planview.h"

#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

using namespace plandex;

namespace {

// A main window with a short object and a neighbour 1 cm right of it, too
// low for a label at 200%.
struct Session {
    ScriptedPrompts prompts;
    MainWindow window {&prompts};
    PlanView &view = window.planView();
    Editor &e = window.editor();
    const QRect table {QPoint(10, 10), QPoint(40, 14)};
    const QRect stand {QPoint(41, 10), QPoint(60, 14)};

    Session()
    {
        addObject(e, "Стол", table);
        addObject(e, "Тумба", stand);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("window not shown");
    }
    // The view point of the top-left corner of a room centimetre's square.
    QPoint at(QPoint cm) const
    {
        const double zoom = view.zoom() / 100.0;
        return view.contentsRect().topLeft() - view.scrollOffset()
            + QPoint(int(cm.x() * zoom), int(cm.y() * zoom));
    }
    void wheel(QPoint at, int notches)
    {
        for (int i = 0; i < std::abs(notches); ++i) {
            QWheelEvent event(at, view.mapToGlobal(at), {}, {0, notches > 0 ? 120 : -120},
                Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(&view, &event);
        }
    }
    QImage shown()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        return view.grab().toImage();
    }
};

} // namespace

class TestZoom : public QObject
{
    Q_OBJECT

private slots:
    void dragAtEachStep_data();
    void dragAtEachStep();
    void viewShowsK_data();
    void viewShowsK();
};

void TestZoom::dragAtEachStep_data()
{
    QTest::addColumn<int>("notches"); // of the wheel with Ctrl, from 100%
    QTest::addColumn<int>("percent");
    QTest::addColumn<QPoint>("drag"); // view pixels
    QTest::addColumn<QPoint>("moved"); // room cm

    QTest::newRow("25%") << -2 << 25 << QPoint(10, 5) << QPoint(40, 20);
    QTest::newRow("50%") << -1 << 50 << QPoint(10, 7) << QPoint(20, 14);
    // Below the neighbour 1 cm to the right.
    QTest::newRow("100%") << 0 << 100 << QPoint(30, 7) << QPoint(30, 7);
    QTest::newRow("200%") << 1 << 200 << QPoint(40, 21) << QPoint(20, 10);
    QTest::newRow("300%") << 2 << 300 << QPoint(31, 17) << QPoint(10, 5);
    QTest::newRow("400%") << 3 << 400 << QPoint(40, 23) << QPoint(10, 5);
    QTest::newRow("600%") << 4 << 600 << QPoint(60, 35) << QPoint(10, 5);
    QTest::newRow("800%, the largest") << 6 << 800 << QPoint(80, 47) << QPoint(10, 5);
}

void TestZoom::dragAtEachStep()
{
    QFETCH(int, notches);
    QFETCH(int, percent);
    QFETCH(QPoint, drag);
    QFETCH(QPoint, moved);
    Session s;
    QTest::mouseClick(s.window.findChild<QWidget *>("selct"), Qt::LeftButton);
    const QPoint grip(32, 12);
    const QPoint pointer = s.at(grip);
    s.wheel(pointer, notches);
    QCOMPARE(s.view.zoom(), percent);
    // The room point under the pointer stays there, where the view scrolls.
    if (percent >= 100)
        QCOMPARE(s.view.planPoint(pointer), QPointF(grip));

    const QPoint from = s.at(grip);
    QTest::mousePress(&s.view, Qt::LeftButton, {}, from);
    QTest::mouseMove(&s.view, from + drag / 2);
    QTest::mouseMove(&s.view, from + drag);
    QTest::mouseRelease(&s.view, Qt::LeftButton, {}, from + drag);
    QCOMPARE(rowRect(s.e, 0), s.table.translated(moved));
}

void TestZoom::viewShowsK_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("overlay");

    for (const int percent : {25, 50, 100, 200, 300, 800})
        QTest::addRow("%d%%", percent) << percent << false;
    QTest::newRow("100%, outlined") << 100 << true;
    QTest::newRow("200%, outlined") << 200 << true;
}

void TestZoom::viewShowsK()
{
    QFETCH(int, percent);
    QFETCH(bool, overlay);
    Session s;
    s.view.setOverlay(overlay);
    // About the room's top-left corner, which stays in place.
    s.view.setZoom(percent, QPointF(s.view.contentsRect().topLeft()));
    QCOMPARE(s.view.scrollOffset(), QPoint(0, 0));
    const QImage shown = s.shown().convertToFormat(QImage::Format_RGB32);
    const QImage plan = s.e.K().image().convertToFormat(QImage::Format_RGB32);
    auto at = [](const QImage &image, int x, int y) {
        return reinterpret_cast<const QRgb *>(image.constScanLine(y))[x] & 0xFFFFFF;
    };
    const qreal ratio = shown.devicePixelRatio();
    const double scale = percent / 100.0 * ratio;
    const QPoint origin = s.at({0, 0});
    // The part of the view that shows the room, left of and above its
    // scroll bars: where it shows the objects and the floor around them.
    QRect inside = s.view.contentsRect();
    for (const QScrollBar *bar : s.view.findChildren<QScrollBar *>()) {
        if (bar->isVisible() && bar->orientation() == Qt::Vertical)
            inside.setRight(bar->x() - 1);
        else if (bar->isVisible())
            inside.setBottom(bar->y() - 1);
    }
    inside &= QRect(origin, QSize(70, 25) * percent / 100);
    // The room centimetre at a device pixel's top-left corner.
    auto cm = [&](int device, int originView) {
        return int(std::floor((device - originView * ratio) / scale + 1e-9));
    };
    // Outlined, each object's outermost device pixels are darker.
    QRegion outlines;
    for (const QRect &object : {s.table, s.stand}) {
        auto device = [&](double view) { return int(std::lround(view * ratio)); };
        const double zoom = percent / 100.0;
        const QRect box(QPoint(device(origin.x() + object.left() * zoom),
                            device(origin.y() + object.top() * zoom)),
            QPoint(device(origin.x() + (object.right() + 1) * zoom) - 1,
                device(origin.y() + (object.bottom() + 1) * zoom) - 1));
        if (overlay)
            outlines += QRegion(box) - box.adjusted(1, 1, -1, -1);
    }
    const QRgb blueRgb = 0x0000FF, blackRgb = 0;
    int blue = 0;
    for (int y = int(inside.top() * ratio); y < int((inside.bottom() + 1) * ratio); ++y) {
        for (int x = int(inside.left() * ratio); x < int((inside.right() + 1) * ratio); ++x) {
            const QRgb got = at(shown, x, y);
            QRect covered(QPoint(cm(x, origin.x()), cm(y, origin.y())), QSize(1, 1));
            if (scale < 1)
                covered.setBottomRight(
                    QPoint(cm(x + 1, origin.x()), cm(y + 1, origin.y())) - QPoint(1, 1));
            covered &= plan.rect();
            if (covered.isEmpty())
                continue;
            blue += got == blueRgb;
            // Smoothed below the device's own size: all of one colour where
            // the centimetres are, a mixture where they are not.
            const QRgb first = at(plan, covered.left(), covered.top());
            bool mixed = false;
            for (int cy = covered.top(); cy <= covered.bottom(); ++cy)
                for (int cx = covered.left(); cx <= covered.right(); ++cx)
                    mixed = mixed || at(plan, cx, cy) != first;
            if (mixed) {
                QVERIFY2(got != blueRgb && got != blackRgb && qBlue(got) > 0,
                    qPrintable(QString("no mixture at %1,%2").arg(x).arg(y)));
                continue;
            }
            const QRgb want = outlines.contains(QPoint(x, y))
                ? QColor(first).darker(160).rgb() & 0xFFFFFF
                : first;
            QVERIFY2(got == want,
                qPrintable(QString("device pixel %1,%2 is %3, not %4")
                               .arg(x)
                               .arg(y)
                               .arg(got, 6, 16, QChar('0'))
                               .arg(want, 6, 16, QChar('0'))));
        }
    }
    // Each centimetre an exact square, the right and bottom edge included.
    if (percent == 200 && !overlay) {
        const int squares = s.table.width() * s.table.height() + s.stand.width() * s.stand.height();
        QCOMPARE(blue, int(2 * ratio * 2 * ratio) * squares);
    }
}

QTEST_MAIN(TestZoom)
#include "test_zoom.moc"
