#include "app/mainwindow.h"
#include "support/fakewindow.h"
#include "support/plandriver.h"

#include <QHelpEvent>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

using namespace plandex;

class TestPlanToolTip : public QObject
{
    Q_OBJECT

private slots:
    void fullNameAndSizeUnderThePointer_data();
    void fullNameAndSizeUnderThePointer();
};

void TestPlanToolTip::fullNameAndSizeUnderThePointer_data()
{
    QTest::addColumn<bool>("overlay");
    QTest::addColumn<QPoint>("at"); // on the plan
    QTest::addColumn<QString>("tip");

    const QString sofa = "Диван угловой раскладной с ящиком для белья\n200 × 90";
    QTest::newRow("over a piece") << true << QPoint(100, 50) << sofa;
    QTest::newRow("over its last column") << true << QPoint(219, 99) << sofa;
    QTest::newRow("over the floor") << true << QPoint(300, 300) << QString();
    QTest::newRow("no name") << true << QPoint(405, 45) << "10 × 10";
    QTest::newRow("markup as text") << true << QPoint(305, 35) << "<b>Пуф</b>\n30 × 30";
    QTest::newRow("names and sizes not shown") << false << QPoint(100, 50) << QString();
}

// The full name and size of the piece under the pointer, as plain text,
// while names and sizes are shown on the plan.
void TestPlanToolTip::fullNameAndSizeUnderThePointer()
{
    QFETCH(bool, overlay);
    QFETCH(QPoint, at);
    QFETCH(QString, tip);
    ScriptedPrompts prompts;
    MainWindow window(&prompts);
    Editor &e = window.editor();
    e.table().append("Диван угловой раскладной с ящиком для белья", "20|220", "10|100");
    e.table().append("<b>Пуф</b>", "300|330", "30|60");
    e.table().append("", "400|410", "40|50");
    e.OBNOV();
    window.planView().setOverlay(overlay);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QToolTip::hideText();
    PlanDriver plan(window);
    const QPoint pos = at + plan.view()->contentsRect().topLeft();
    QHelpEvent help(QEvent::ToolTip, pos, plan.view()->mapToGlobal(pos));
    QCoreApplication::sendEvent(plan.view(), &help);
    // What it reads as, rich text as tooltips are.
    QTextDocument shown;
    shown.setHtml(QToolTip::isVisible() ? QToolTip::text() : QString());
    QCOMPARE(shown.toPlainText().replace(QChar::LineSeparator, u'\n'), tip);
}

QTEST_MAIN(TestPlanToolTip)
#include "test_plantooltip.moc"
