#include "plan/editor.h"
#include "support/fakewindow.h"
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

namespace {

const QString blocked = "Дальше объект не сдвинуть!";
const QString noneChosen = "Сначала выберите объект!";

struct Room {
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e {window, prompts};

    // "A 100,100,150,150; B ..." as a file writes rows: "100|150".
    Room(QSize size, const QString &objects)
    {
        e.load();
        e.K().resize(size);
        if (objects == "full") {
            std::vector<ObjectTable::Row> rows(
                size_t(ObjectTable::maxRows), ObjectTable::makeRow("o", "0|0", "0|0"));
            e.table().replaceAll(std::move(rows));
        }
        for (const QString &object : objects.split("; ", Qt::SkipEmptyParts)) {
            const QStringList n = object.section(' ', 1).split(',');
            if (n.size() == 4)
                e.table().append(object.section(' ', 0, 0), n[0] + '|' + n[2], n[1] + '|' + n[3]);
        }
        e.OBNOV();
    }

    // The rows as "name:x,y", the pair texts exactly as stored.
    QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < e.table().count() && i < 10; ++i)
            out << e.table().name(i) + ':' + e.table().xText(i) + ',' + e.table().yText(i);
        return out;
    }

    // right, left, up, down (1 cm; "10" after it: 10 cm), turn, copy,
    // delete, yes (the next question is answered Yes), add:name:x,y (a
    // piece of 45 x 45 at that point), undo; "*n" repeats a word.
    void run(const QString &script)
    {
        for (const QString &word : script.split(' ', Qt::SkipEmptyParts)) {
            const QString command = word.section('*', 0, 0);
            const int times = word.contains('*') ? word.section('*', 1).toInt() : 1;
            for (int i = 0; i < times; ++i)
                runOne(command);
        }
    }
    void runOne(const QString &command)
    {
        const int step = command.endsWith("10") ? 10 : 1;
        if (command.startsWith("right"))
            e.nudge(step, 0);
        else if (command.startsWith("left"))
            e.nudge(-step, 0);
        else if (command.startsWith("up"))
            e.nudge(0, -step);
        else if (command.startsWith("down"))
            e.nudge(0, step);
        else if (command == "turn")
            e.turnCurrent();
        else if (command == "copy")
            e.copyCurrent();
        else if (command == "delete")
            e.deleteCurrent();
        else if (command == "yes")
            prompts.confirmAnswers.push_back(true);
        else if (command == "undo")
            e.history().undo();
        else if (command.startsWith("add:")) {
            const QStringList at = command.section(':', 2).split(',');
            e.addPiece(
                command.section(':', 1, 1), {45, 45}, QPointF(at[0].toDouble(), at[1].toDouble()));
        } else
            qFatal("unknown command %s", qPrintable(command));
    }
};

} // namespace

void TestObjectCommands::commands_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QString>("objects");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("selection");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("steps");

    const QSize big(700, 500);
    const QString lone = "A 100,100,150,150";
    // Nudges: the neighbour 100 cm to the right stops the object 1 cm short.
    QTest::newRow("nudge to a neighbour")
        << big << "A 100,100,150,150; B 250,100,300,150" << 0 << "right10*12"
        << QStringList {"A: 199| 249, 100| 150", "B:250|300,100|150"} << 0
        << QStringList {blocked, blocked} << 10;
    QTest::newRow("nudge to the left wall")
        << big << "A 3,100,53,150" << 0 << "left*5" << QStringList {"A: 0| 50, 100| 150"} << 0
        << QStringList {blocked, blocked} << 3;
    QTest::newRow("a long nudge stops at the wall")
        << big << "A 3,100,53,150" << 0 << "left10" << QStringList {"A: 0| 50, 100| 150"} << 0
        << QStringList {} << 1;
    QTest::newRow("flush with the bottom wall")
        << big << "A 100,440,150,495" << 0 << "down10*2" << QStringList {"A: 100| 150, 445| 500"}
        << 0 << QStringList {blocked} << 1;
    QTest::newRow("down and up") << big << lone << 0 << "down10 up"
                                 << QStringList {"A: 100| 150, 109| 159"} << 0 << QStringList {}
                                 << 2;
    QTest::newRow("each nudge is one step")
        << big << lone << 0 << "right*3 undo" << QStringList {"A: 102| 152, 100| 150"} << 0
        << QStringList {} << 2;
    // Nothing is jumped over: a thin object 3 cm away stops a 10 cm nudge.
    QTest::newRow("a nudge never jumps")
        << big << "A 100,100,100,150; B 104,120,104,130" << 0 << "right10"
        << QStringList {"A: 103| 103, 100| 150", "B:104|104,120|130"} << 0 << QStringList {} << 1;

    // Turns about the centre; halves go to the even neighbour (111.5, 89.5).
    QTest::newRow("turn in place")
        << big << "A 101,100,152,130" << 0 << "turn" << QStringList {"A: 112| 142, 90| 141"} << 0
        << QStringList {} << 1;
    QTest::newRow("turn into the nearest place")
        << big << "A 0,0,100,20" << 0 << "turn" << QStringList {"A: 40| 60, 0| 100"} << 0
        << QStringList {} << 1;
    QTest::newRow("turn refused") << QSize(100, 50) << "A 0,0,100,20" << 0 << "turn"
                                  << QStringList {"A:0|100,0|20"} << 0
                                  << QStringList {"Для поворота объекта нет места!"} << 0;
    QTest::newRow("a square turned stays")
        << big << lone << 0 << "turn" << QStringList {"A:100|150,100|150"} << 0 << QStringList {}
        << 0;

    // Copies: above and below are equally near; the one above wins.
    QTest::newRow("copy placed") << big << "A 100,100,150,130" << 0 << "copy"
                                 << QStringList {"A:100|150,100|130", "A: 100|150, 69|99"} << 1
                                 << QStringList {} << 1;
    QTest::newRow("copy refused") << QSize(100, 100) << "A 0,0,100,100" << 0 << "copy"
                                  << QStringList {"A:0|100,0|100"} << 0
                                  << QStringList {"Для копии нет места!"} << 0;
    QTest::newRow("copy into a full table")
        << big << "full" << 0 << "copy" << QStringList(10, "o:0|0,0|0") << 0
        << QStringList {"Больше объектов добавить нельзя!"} << 0;

    // A piece centred on the point (a half to the even neighbour), else
    // beside what stands there: right and below are equally near.
    QTest::newRow("add at the point")
        << big << "" << -1 << "add:Стул:300,200" << QStringList {"Стул: 278|323, 178|223"} << 0
        << QStringList {} << 1;
    QTest::newRow("add beside an object")
        << big << "A 250,150,350,250" << -1 << "add:Стул:300,200"
        << QStringList {"A:250|350,150|250", "Стул: 351|396, 178|223"} << 1 << QStringList {} << 1;
    QTest::newRow("add refused in a full room")
        << QSize(100, 100) << "A 0,0,100,100" << -1 << "add:Стул:50,50"
        << QStringList {"A:0|100,0|100"} << -1 << QStringList {"Для этого предмета нет места!"}
        << 0;

    QTest::newRow("delete answered yes")
        << big << lone << 0 << "yes delete" << QStringList {} << -1 << QStringList {} << 1;
    QTest::newRow("delete answered no")
        << big << lone << 0 << "delete" << QStringList {"A:100|150,100|150"} << 0 << QStringList {}
        << 0;
    QTest::newRow("no current object")
        << big << lone << -1 << "right turn copy delete" << QStringList {"A:100|150,100|150"} << -1
        << QStringList {noneChosen, noneChosen, noneChosen, noneChosen} << 0;
    QTest::newRow("swapped corners")
        << big << "A 150,100,100,150" << 0 << "right turn copy" << QStringList {"A:150|100,100|150"}
        << 0 << QStringList(3, "У этого объекта неверные координаты!") << 0;
}

void TestObjectCommands::commands()
{
    QFETCH(QSize, room);
    QFETCH(QString, objects);
    QFETCH(int, current);
    QFETCH(QString, script);
    QFETCH(QStringList, rows);
    QFETCH(int, selection);
    QFETCH(QStringList, messages);
    QFETCH(int, steps);

    Room r(room, objects);
    const QStringList before = r.rows();
    const bool sound = r.e.table().count() < 1000 && planFault(r.e).isEmpty();
    r.e.table().select(current);
    r.run(script);

    QCOMPARE(r.rows(), rows);
    QCOMPARE(r.e.table().selection(), selection);
    QCOMPARE(r.prompts.messages, messages);
    QCOMPARE(r.e.history().stack().index(), steps);
    if (sound)
        QCOMPARE(planFault(r.e), QString());
    if (selection >= 0)
        QCOMPARE(r.window.labelW, QString::number(rowRect(r.e, selection).width() - 1));
    // Every step undoes to where the room began.
    for (int i = 0; i < steps; ++i)
        r.e.history().undo();
    QCOMPARE(r.rows(), before);
}

QTEST_MAIN(TestObjectCommands)
#include "test_objectcommands.moc"
