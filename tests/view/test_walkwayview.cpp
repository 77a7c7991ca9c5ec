#include "app/mainwindow.h"
#include "support/fakewindow.h"
#include "view/planview.h"

#include <QAction>
#include <QTest>

using namespace plandex;

// "Проходы" on the plan: the floor a person reaches shaded, a piece nobody
// reaches crossed out, and with it off every pixel as before.
class TestWalkwayView : public QObject
{
    Q_OBJECT

private slots:
    void shadingAndMarks_data();
    void shadingAndMarks();
};

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

bool red(QColor c)
{
    return c.red() > 200 && c.green() < 120 && c.blue() < 120;
}

} // namespace

void TestWalkwayView::shadingAndMarks_data()
{
    QTest::addColumn<bool>("door");
    QTest::addColumn<int>("passage");
    QTest::addColumn<bool>("shaded"); // the floor below the pieces
    QTest::addColumn<bool>("beyond"); // and beyond the gap of 50
    QTest::addColumn<bool>("crossed"); // the wardrobe behind a gap of 50

    QTest::newRow("60 cm") << true << 60 << true << false << true;
    QTest::newRow("50 cm reach the wardrobe") << true << 50 << true << true << false;
    QTest::newRow("no door") << false << 60 << false << false << false;
}

void TestWalkwayView::shadingAndMarks()
{
    QFETCH(bool, door);
    QFETCH(int, passage);
    QFETCH(bool, shaded);
    QFETCH(bool, beyond);
    QFETCH(bool, crossed);
    ScriptedPrompts prompts;
    MainWindow window(&prompts);
    Editor &e = window.editor();
    e.K().resize({400, 300});
    e.ProvForm();
    ObjectTable &t = e.table();
    t.append("Стеллаж", "0|170", "150|170");
    t.append("Комод", "220|400", "150|170");
    t.append("Шкаф", "50|150", "20|60");
    if (door)
        t.append("¤Дверь 80, низ, петли слева, внутрь", "100|180", "219|299");
    e.OBNOV();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PlanView &view = window.planView();
    settle();
    const QImage before = view.grab().toImage();

    QAction *toggle = nullptr;
    for (QAction *a : window.actions())
        toggle = a->text() == "Проходы" ? a : toggle;
    QVERIFY(toggle);
    view.setPassage(passage);
    toggle->trigger();
    settle();
    QVERIFY(view.walkways());
    const QImage on = view.grab().toImage();
    const QPoint at = view.contentsRect().topLeft();
    auto pixel = [&](int x, int y) { return on.pixelColor(at + QPoint(x, y)); };
    QCOMPARE(pixel(300, 260) != QColor(Qt::black), shaded);
    QCOMPARE(pixel(300, 60) != QColor(Qt::black), beyond);
    int marks = 0;
    for (int d = -3; d <= 3; ++d)
        marks += red(pixel(100 + d, 40));
    QCOMPARE(marks > 0, crossed);

    toggle->trigger();
    settle();
    QVERIFY(!view.walkways());
    QCOMPARE(view.grab().toImage(), before);
}

QTEST_MAIN(TestWalkwayView)
#include "test_walkwayview.moc"
