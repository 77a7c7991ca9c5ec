#include "app/mainwindow.h"
#include "app/planview.h"
#include "support/fakewindow.h"
#include "support/planchecks.h"

#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace plandex;

namespace {

// A room of 2000 x 1500 in a window on a 1024 x 768 screen.
struct Session {
    ScriptedPrompts prompts;
    MainWindow window {&prompts};
    Editor &e = window.editor();
    PlanView *view = window.findChild<PlanView *>("K");

    Session()
    {
        e.K().resize({2000, 1500});
        e.ProvForm();
        e.OBNOV();
        window.show();
    }
    // The room pixel under a point of the view.
    QPoint roomAt(QPoint widget) const
    {
        return widget - view->contentsRect().topLeft() + view->scrollOffset();
    }
    QScrollBar *bar(Qt::Orientation o) const
    {
        for (QScrollBar *b : view->findChildren<QScrollBar *>())
            if (b->orientation() == o)
                return b;
        return nullptr;
    }
    void wheel(QPoint angle)
    {
        const QPointF at(view->rect().center());
        QWheelEvent event(at, view->mapToGlobal(at), {}, angle, Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &event);
    }
};

} // namespace

class TestScrolling : public QObject
{
    Q_OBJECT

private slots:
    void windowKeepsToTheScreen();
    void drawingLandsUnderTheMouse_data();
    void drawingLandsUnderTheMouse();
    void dragHeldAtAnEdgeScrollsOn();
};

void TestScrolling::windowKeepsToTheScreen()
{
    Session s;
    const QSize screen = s.window.screen()->availableGeometry().size();
    QVERIFY(s.window.width() <= screen.width() && s.window.height() <= screen.height());
    QVERIFY(s.window.width() > screen.width() - 10 && s.window.height() > screen.height() - 10);
    QCOMPARE(s.view->planOrigin(), QPoint(136, 24));
    QVERIFY(s.view->geometry().right() < s.window.width());
    QVERIFY(s.view->geometry().bottom() < s.window.height());

    // Back to a room that fits: the window of a fitting room, no bars.
    s.e.K().resize({553, 361});
    s.e.ProvForm();
    QCOMPARE(s.window.size(), QSize(703, 398));
    QCOMPARE(s.view->contentsRect().size(), QSize(553, 361));
    for (QScrollBar *bar : s.view->findChildren<QScrollBar *>())
        QVERIFY(bar->isHidden());
}

void TestScrolling::drawingLandsUnderTheMouse_data()
{
    // Wheel turns (in eighths of a degree) before drawing.
    QTest::addColumn<QList<QPoint>>("turns");
    QTest::newRow("not scrolled") << QList<QPoint> {};
    QTest::newRow("down") << QList<QPoint> {{0, -120}};
    QTest::newRow("down and right") << QList<QPoint> {{0, -240}, {-360, 0}};
    QTest::newRow("to the far corner")
        << QList<QPoint>(40, QPoint(0, -120)) + QList<QPoint>(40, QPoint(-120, 0));
    QTest::newRow("down and back up") << QList<QPoint> {{0, -240}, {0, 120}};
}

void TestScrolling::drawingLandsUnderTheMouse()
{
    QFETCH(QList<QPoint>, turns);
    Session s;
    QPoint expected;
    for (const QPoint &turn : turns) {
        s.wheel(turn);
        expected -= turn / 2; // 3 lines of 20 pixels per 120
    }
    QCOMPARE(s.view->scrollOffset(),
        QPoint(qBound(0, expected.x(), s.bar(Qt::Horizontal)->maximum()),
            qBound(0, expected.y(), s.bar(Qt::Vertical)->maximum())));

    const QPoint from(100, 80), to(160, 120);
    s.prompts.inputAnswers = {"Стол"};
    QTest::mousePress(s.view, Qt::LeftButton, {}, from);
    QTest::mouseMove(s.view, (from + to) / 2);
    QTest::mouseMove(s.view, to);
    QTest::mouseRelease(s.view, Qt::LeftButton, {}, to);
    QCOMPARE(s.e.table().count(), 1);
    QCOMPARE(rowRect(s.e, 0), QRect(s.roomAt(from), s.roomAt(to)));
    QCOMPARE(planFault(s.e), QString());
}

void TestScrolling::dragHeldAtAnEdgeScrollsOn()
{
    Session s;
    const QPoint from = s.view->contentsRect().center();
    // Just inside the shown part, next to both scroll bars.
    const QPoint nearCorner(s.bar(Qt::Vertical)->x() - 6, s.bar(Qt::Horizontal)->y() - 6);
    s.prompts.inputAnswers = {"Шкаф"};
    QTest::mousePress(s.view, Qt::LeftButton, {}, from);
    const QPoint band = s.roomAt(from);
    QTest::mouseMove(s.view, nearCorner);
    QCOMPARE(s.view->scrollOffset(), QPoint(0, 0));
    QTRY_VERIFY(s.view->scrollOffset().x() > 100 && s.view->scrollOffset().y() > 100);
    QTest::mouseRelease(s.view, Qt::LeftButton, {}, nearCorner);
    QCOMPARE(s.e.table().count(), 1);
    QCOMPARE(rowRect(s.e, 0), QRect(band, s.roomAt(nearCorner)));
}

QTEST_MAIN(TestScrolling)
#include "test_scrolling.moc"
