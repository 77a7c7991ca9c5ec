#include "plan/colors.h"
#include "plan/editor.h"
#include "support/fakewindow.h"
#include "support/planchecks.h"

#include <QTest>

using namespace plandex;

namespace {

using Rects = QList<QRect>;

QRect box(int l, int t, int r, int b)
{
    return QRect(QPoint(l, t), QPoint(r, b));
}

// The start plan of 553 x 361 with A and, on its right, B.
const QRect A = box(100, 100, 150, 130);
const QRect B = box(300, 100, 350, 130);

struct Room {
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e {window, prompts};

    explicit Room(bool sliding)
    {
        e.load();
        e.setSliding(sliding);
        addObject(e, "A", A);
        addObject(e, "B", B);
    }
    QRect preview() const
    {
        const WindowState &s = e.state();
        return box(s.dragLeft, s.dragTop, s.dragRight, s.dragBottom);
    }
};

} // namespace

class TestSliding : public QObject
{
    Q_OBJECT

private slots:
    void dragsSlideOnlyWhenAskedTo_data();
    void dragsSlideOnlyWhenAskedTo();
};

void TestSliding::dragsSlideOnlyWhenAskedTo_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QPoint>("press"); // on A; the release is at the last move
    QTest::addColumn<QList<QPoint>>("moves");
    // The preview after each move: as the drag has always gone, and sliding.
    QTest::addColumn<Rects>("off");
    QTest::addColumn<Rects>("on");
    // The last move asked for less than 5: the release keeps the old size.
    QTest::addColumn<bool>("dropped");

    const QRect atWall = box(0, 102, 50, 132), onB = box(249, 102, 299, 132);
    QTest::newRow("move into the left wall")
        << "move" << QPoint(120, 110) << QList<QPoint> {{60, 111}, {-50, 112}}
        << Rects {box(40, 101, 90, 131), box(40, 101, 90, 131)}
        << Rects {box(40, 101, 90, 131), atWall} << false;
    QTest::newRow("move into a neighbour")
        << "move" << QPoint(120, 110) << QList<QPoint> {{200, 111}, {320, 112}}
        << Rects {box(180, 101, 230, 131), box(180, 101, 230, 131)}
        << Rects {box(180, 101, 230, 131), onB} << false;
    QTest::newRow("move never jumps a neighbour")
        << "move" << QPoint(120, 110) << QList<QPoint> {{400, 111}}
        << Rects {box(380, 101, 430, 131)} << Rects {box(249, 101, 299, 131)} << false;
    QTest::newRow("move along the bottom wall")
        << "move" << QPoint(120, 110) << QList<QPoint> {{121, 400}, {200, 420}} << Rects {A, A}
        << Rects {box(101, 331, 151, 361), box(180, 331, 230, 361)} << false;
    QTest::newRow("move round a neighbour's corner")
        << "move" << QPoint(120, 110) << QList<QPoint> {{320, 111}, {330, 60}}
        << Rects {A, box(310, 50, 360, 80)}
        << Rects {box(249, 101, 299, 131), box(310, 50, 360, 80)} << false;
    QTest::newRow("resize into the bottom wall")
        << "resize" << QPoint(140, 120) << QList<QPoint> {{141, 500}} << Rects {A}
        << Rects {box(100, 100, 151, 361)} << false;
    QTest::newRow("resize along the bottom wall")
        << "resize" << QPoint(140, 120) << QList<QPoint> {{141, 500}, {200, 520}} << Rects {A, A}
        << Rects {box(100, 100, 151, 361), box(100, 100, 210, 361)} << false;
    QTest::newRow("resize into a neighbour")
        << "resize" << QPoint(140, 120) << QList<QPoint> {{400, 200}} << Rects {A}
        << Rects {box(100, 100, 299, 210)} << false;
    QTest::newRow("resize under five stays refused")
        << "resize" << QPoint(140, 120) << QList<QPoint> {{120, 140}, {94, 200}}
        << Rects {box(100, 100, 130, 150), box(100, 100, 130, 150)}
        << Rects {box(100, 100, 130, 150), box(100, 100, 130, 150)} << true;
}

void TestSliding::dragsSlideOnlyWhenAskedTo()
{
    QFETCH(QString, mode);
    QFETCH(QPoint, press);
    QFETCH(QList<QPoint>, moves);
    QFETCH(Rects, off);
    QFETCH(Rects, on);
    QFETCH(bool, dropped);
    for (const bool sliding : {false, true}) {
        const Rects &previews = sliding ? on : off;
        Room r(sliding);
        mode == "move" ? r.e.selct_Click() : r.e.Rsiz_Click();
        r.e.K_MouseDown(buttons::left, 0, press.x(), press.y());
        QCOMPARE(r.e.table().selection(), 0);
        const int steps = r.e.history().stack().count();
        for (int i = 0; i < moves.size(); ++i) {
            r.e.K_MouseMove(buttons::left, 0, moves[i].x(), moves[i].y());
            const QString step = QString("sliding %1, move %2").arg(sliding).arg(i);
            QVERIFY2(r.preview() == previews[i], qPrintable(step));
            // The plan shows exactly the other objects and the preview;
            // the labels keep the size of what is shown.
            QCOMPARE(dragFault(r.e, 0, previews[i]), QString());
            QCOMPARE(r.window.labelW + "x" + r.window.labelH,
                QString("%1x%2").arg(previews[i].width() - 1).arg(previews[i].height() - 1));
            QCOMPARE(r.window.caption, QString("My Plandex - A"));
        }
        const QPoint last = moves.last();
        r.e.K_MouseUp(buttons::left, 0, last.x(), last.y());
        // The release commits what the preview showed, as one step.
        const QRect committed = dropped ? A : previews.last();
        QCOMPARE(rowRect(r.e, 0), committed);
        QCOMPARE(rowRect(r.e, 1), B);
        QCOMPARE(planFault(r.e), QString());
        if (committed != A) {
            QCOMPARE(r.e.history().stack().count(), steps + 1);
            r.e.history().undo();
            QCOMPARE(rowRect(r.e, 0), A);
        }
    }
}

QTEST_MAIN(TestSliding)
#include "test_sliding.moc"
