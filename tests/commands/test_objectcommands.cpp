#include "support/commandscript.h"
#include "support/planchecks.h"

#include <QTest>

using namespace plandex;

class TestObjectCommands : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
};

void TestObjectCommands::commands_data()
{
    QTest::addColumn<QSize>("room");
    // "A 100,100,150,150; ..." stored as a file stores it: "100|150";
    // "full": a full table.
    QTest::addColumn<QString>("objects");
    QTest::addColumn<int>("current");
    // right, left, up, down: 1 cm, or 10 cm with "10" after it; turn, copy,
    // delete, yes (the next question is answered Yes), chair:x,y (a 45 x 45
    // piece at that point), undo; "*n" repeats.
    QTest::addColumn<QString>("script");
    // The rows, "/ selection / undo steps", each message told, and "!" for
    // each beep.
    QTest::addColumn<QString>("after");

    const QSize big(700, 500);
    const QString lone = "A 100,100,150,150";
    // The neighbour 100 cm to the right stops the object 1 cm short.
    QTest::newRow("nudge to a neighbour")
        << big << lone + "; B 250,100,300,150" << 0 << "right10*12"
        << "A: 199| 249, 100| 150; B:250|300,100|150 / 0 / 10 !!";
    QTest::newRow("nudge to a wall") << big << "A 3,100,53,150" << 0 << "left*5"
                                     << "A: 0| 50, 100| 150 / 0 / 3 !!";
    QTest::newRow("a long nudge as far as the wall")
        << big << "A 100,440,150,495" << 0 << "down10 up"
        << "A: 100| 150, 444| 499 / 0 / 2";
    QTest::newRow("each nudge one step") << big << lone << 0 << "right*3 undo"
                                         << "A: 102| 152, 100| 150 / 0 / 2";
    // Nothing is jumped over: a line 3 cm away stops a 10 cm nudge.
    QTest::newRow("a nudge never jumps")
        << big << "A 100,100,100,150; B 104,120,104,130" << 0 << "right10"
        << "A: 103| 103, 100| 150; B:104|104,120|130 / 0 / 1";

    // About the centre, halves to the even neighbour: 111.5 and 89.5.
    QTest::newRow("turn in place") << big << "A 101,100,152,130" << 0 << "turn"
                                   << "A: 112| 142, 90| 141 / 0 / 1";
    QTest::newRow("turn into the nearest place") << big << "A 0,0,100,20" << 0 << "turn"
                                                 << "A: 40| 60, 0| 100 / 0 / 1";
    QTest::newRow("turn refused") << QSize(100, 50) << "A 0,0,100,20" << 0 << "turn"
                                  << "A:0|100,0|20 / 0 / 0 Для поворота объекта нет места!";
    QTest::newRow("a square turned stays") << big << lone << 0 << "turn"
                                           << "A:100|150,100|150 / 0 / 0";

    // Above and below are as near; above wins.
    QTest::newRow("copy placed") << big << "A 100,100,150,130" << 0 << "copy"
                                 << "A:100|150,100|130; A: 100|150, 69|99 / 1 / 1";
    QTest::newRow("copy refused") << QSize(100, 100) << "A 0,0,100,100" << 0 << "copy"
                                  << "A:0|100,0|100 / 0 / 0 Для копии нет места!";
    QTest::newRow("copy into a full table")
        << big << "full" << 0 << "copy"
        << "o:0|0,0|0; o:0|0,0|0; o:0|0,0|0 / 0 / 0 Больше объектов добавить нельзя!";

    // Centred on the point (277.5 and 177.5 to even), or beside what
    // stands there: right and below are as near, and right is higher.
    QTest::newRow("add at the point") << big << "" << -1 << "chair:300,200"
                                      << "Стул: 278|323, 178|223 / 0 / 1";
    QTest::newRow("add beside an object") << big << "A 250,150,350,250" << -1 << "chair:300,200"
                                          << "A:250|350,150|250; Стул: 351|396, 178|223 / 1 / 1";
    QTest::newRow("add refused in a full room")
        << QSize(100, 100) << "A 0,0,100,100" << -1 << "chair:50,50"
        << "A:0|100,0|100 / -1 / 0 Для этого предмета нет места!";

    QTest::newRow("delete answered yes") << big << lone << 0 << "yes delete"
                                         << "/ -1 / 1";
    QTest::newRow("delete answered no") << big << lone << 0 << "delete"
                                        << "A:100|150,100|150 / 0 / 0";
    QTest::newRow("no current object") << big << lone << -1 << "right turn copy delete"
                                       << "A:100|150,100|150 / -1 / 0 !!!!";
    const QString swapped = " У этого объекта неверные координаты!";
    QTest::newRow("swapped corners") << big << "A 150,100,100,150" << 0 << "right turn copy"
                                     << "A:150|100,100|150 / 0 / 0" + swapped + swapped + swapped;
}

void TestObjectCommands::commands()
{
    QFETCH(QSize, room);
    QFETCH(QString, objects);
    QFETCH(int, current);
    QFETCH(QString, script);
    QFETCH(QString, after);

    CommandRoom editing(room, objects);
    Editor &e = editing.e;
    if (objects == "full") {
        e.table().replaceAll(std::vector<ObjectTable::Row>(
            size_t(ObjectTable::maxRows), ObjectTable::makeRow("o", "0|0", "0|0")));
        e.OBNOV();
    }
    const QString before = editing.rows();
    const bool sound = e.table().count() < 1000 && planFault(e).isEmpty();
    e.table().select(current);

    for (const QString &word : script.split(' ')) {
        const QString c = word.section('*', 0, 0);
        for (int i = 0; i < qMax(1, word.section('*', 1).toInt()); ++i) {
            if (!editing.command(c))
                addPiece(e, "Стул", {45, 45},
                    QPointF(c.section(':', 1).section(',', 0, 0).toDouble(),
                        c.section(',', 1).toDouble()));
        }
    }

    QCOMPARE(editing.outcome(), after);
    if (sound)
        QCOMPARE(planFault(e), QString());
    // The labels show the current object's size.
    if (e.table().selection() >= 0)
        QCOMPARE(
            editing.window.labelW, QString::number(rowRect(e, e.table().selection()).width() - 1));
    // Every step undoes to where the room began.
    for (int i = e.history().stack().index(); i > 0; --i)
        e.history().undo();
    QCOMPARE(editing.rows(), before);
}

QTEST_MAIN(TestObjectCommands)
#include "test_objectcommands.moc"
