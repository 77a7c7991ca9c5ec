#include "plan/editor.h"
#include "support/fakewindow.h"
#include "support/planchecks.h"

#include <QTest>

using namespace plandex;

class TestRename : public QObject
{
    Q_OBJECT

private slots:
    void renameChangesOnlyTheName_data();
    void renameChangesOnlyTheName();
};

void TestRename::renameChangesOnlyTheName_data()
{
    QTest::addColumn<int>("current"); // the selected row; -1 none
    QTest::addColumn<QStringList>("answer"); // empty: Отмена
    QTest::addColumn<QString>("stored"); // the row's name afterwards

    QTest::newRow("a new name") << 0 << QStringList {"Шкаф"} << "Шкаф";
    QTest::newRow("blanks kept") << 0 << QStringList {" Стол "} << " Стол ";
    QTest::newRow("cleaned as a new one") << 0 << QStringList {"Ком\tод\x01"} << "Комод";
    QTest::newRow("others become ?") << 0 << QStringList {"日本"} << "??";
    QTest::newRow("the same name") << 0 << QStringList {"Стол"} << "Стол";
    QTest::newRow("the same once cleaned") << 0 << QStringList {"Ст\x02ол"} << "Стол";
    QTest::newRow("empty") << 0 << QStringList {""} << "Стол";
    QTest::newRow("only controls") << 0 << QStringList {"\x01\x02"} << "Стол";
    QTest::newRow("Отмена") << 0 << QStringList {} << "Стол";
    QTest::newRow("no current object") << -1 << QStringList {"Шкаф"} << "Стол";
}

void TestRename::renameChangesOnlyTheName()
{
    QFETCH(int, current);
    QFETCH(QStringList, answer);
    QFETCH(QString, stored);
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.load();
    addObject(e, "Стол", QRect(QPoint(40, 30), QPoint(140, 90)));
    addObject(e, "Стул", QRect(QPoint(200, 30), QPoint(240, 70)));
    e.table().select(current);
    for (const QString &a : answer)
        prompts.inputAnswers.push_back(a);
    const std::vector<ObjectTable::Row> before = e.table().rows();
    const QImage plan = e.K().image().copy();
    const QString labels = window.labelW + "x" + window.labelH;
    const int steps = e.history().stack().count();

    e.renameObject();

    const bool renamed = stored != "Стол";
    if (current < 0) {
        QCOMPARE(prompts.inputPrompts, QStringList());
        QCOMPARE(prompts.messages, QStringList {"Сначала выберите объект."});
    } else {
        QCOMPARE(prompts.inputPrompts, QStringList {objectNamePrompt});
        QCOMPARE(prompts.inputInitials, QStringList {"Стол"});
        QVERIFY(prompts.messages.isEmpty());
    }
    QCOMPARE(e.table().name(0), stored);
    QCOMPARE(e.table().name(1), QString("Стул"));
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(e.table().xText(i), before[size_t(i)].x);
        QCOMPARE(e.table().yText(i), before[size_t(i)].y);
    }
    QCOMPARE(e.table().selection(), current);
    QCOMPARE(e.K().image(), plan);
    QCOMPARE(window.labelW + "x" + window.labelH, labels);
    QCOMPARE(e.history().stack().count(), steps + (renamed ? 1 : 0));
    QCOMPARE(e.history().isModified(), renamed);

    // Undo gives the old name back, redo the new one; the places stay.
    e.history().undo();
    QCOMPARE(e.table().name(0), QString("Стол"));
    QCOMPARE(rowRect(e, 0), QRect(QPoint(40, 30), QPoint(140, 90)));
    if (renamed) {
        e.history().redo();
        QCOMPARE(e.table().name(0), stored);
        QCOMPARE(e.table().selection(), 0);
        QCOMPARE(planFault(e), QString());
    }
}

QTEST_MAIN(TestRename)
#include "test_rename.moc"
