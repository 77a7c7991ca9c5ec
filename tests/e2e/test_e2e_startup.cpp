#include "xsession.h"

#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void showsTheEditorWithABlackPlan();
};

void TestStartup::showsTheEditorWithABlackPlan()
{
    XSession x;
    QVERIFY2(x.start(), "Xvfb did not start");
    QVERIFY(x.startApp());
    const quint64 window = x.waitForWindow("^My Plandex$");
    QVERIFY2(window != 0, "no window titled My Plandex");
    QCOMPARE(x.title(window), QString("My Plandex"));
    QCOMPARE(x.geometry(window).size(), QSize(703, 398));

    // Give the window a moment to paint, then look at it.
    QImage shot;
    QTRY_VERIFY_WITH_TIMEOUT(
        (shot = x.screenshot(window)).pixelColor(400, 200) == QColor(Qt::black), 10000);
    QCOMPARE(shot.size(), QSize(703, 398));

    // The plan: black over exactly 553 x 361 pixels from (136, 24).
    const QRect plan(136, 24, 553, 361);
    for (int y = plan.top(); y <= plan.bottom(); y += 5)
        for (int x0 = plan.left(); x0 <= plan.right(); x0 += 5)
            QCOMPARE(shot.pixelColor(x0, y), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(plan.bottomRight()), QColor(Qt::black));
    QVERIFY(shot.pixelColor(plan.left() - 3, plan.top() + 50) != QColor(Qt::black));
    QVERIFY(shot.pixelColor(plan.right() + 3, plan.top() + 50) != QColor(Qt::black));
    QVERIFY(shot.pixelColor(plan.left() + 50, plan.bottom() + 3) != QColor(Qt::black));
    QVERIFY(shot.pixelColor(plan.left() + 50, plan.top() - 3) != QColor(Qt::black));
}

QTEST_MAIN(TestStartup)
#include "test_e2e_startup.moc"
