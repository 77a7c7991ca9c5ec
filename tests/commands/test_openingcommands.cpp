#include "commands/openingcommands.h"
#include "plan/colors.h"
#include "support/commandscript.h"

#include <QTest>

using namespace plandex;

class TestOpeningCommands : public QObject
{
    Q_OBJECT

private slots:
    void openings_data();
    void openings();
};

void TestOpeningCommands::openings_data()
{
    QTest::addColumn<QSize>("room");
    // Furniture: "A 100,100,150,150; ..." (left, top, right, bottom).
    QTest::addColumn<QString>("objects");
    // door:x,y window:x,y passage:x,y (added where the menu opened);
    // select:n; right, left, up, down (10 with "10" after it); turn, copy,
    // yes (the next question answered Yes), delete, undo, rename;
    // size:w[,R][,out]
    // (the opening's dialog); vvod:a,b (an object's size dialog);
    // drag:x,y>x,y (move mode); draw:x,y>x,y=name[=name] (create mode, the
    // names typed one after another); "*n" repeats.
    QTest::addColumn<QString>("script");
    // The first three rows, "/ selection / undo steps", each message, a "!"
    // for each beep.
    QTest::addColumn<QString>("after");

    const QSize room(300, 200);
    const QString door = "¤Дверь 80, низ, петли слева, внутрь";
    const QString stuck = " !";
    // On the bottom wall, 9 from the click; centred at x 150; the swing
    // square 80 deep from the plan's last row, 199.
    QTest::newRow("door at the nearest wall")
        << room << ""
        << "door:150,190" << door + ": 110|190, 119|199 / 0 / 1";
    QTest::newRow("window beside furniture at the wall")
        << room << "A 100,0,160,50"
        << "window:150,5"
        << "A:100|160,0|50; ¤Окно 120, верх: 161|281, 0|0 / 1 / 1";
    QTest::newRow("window on the next wall when the nearest is full")
        << room << "A 100,0,200,50"
        << "window:150,5"
        << "A:100|200,0|50; ¤Окно 120, право: 299|299, 0|120 / 1 / 1";
    QTest::newRow("door narrowed to a small room")
        << QSize(60, 50) << ""
        << "door:30,45"
        << "¤Дверь 49, низ, петли слева, внутрь: 6|55, 0|49 / 0 / 1";
    QTest::newRow("no place on any wall") << QSize(100, 100) << "A 0,0,99,99"
                                          << "passage:50,50"
                                          << "A:0|99,0|99 / -1 / 0 Для проёма нет места!";

    QTest::newRow("nudged along its wall, never across it")
        << room << ""
        << "door:150,190 right10 up" << door + ": 120| 200, 119| 199 / 0 / 2" + stuck;
    QTest::newRow("nudged up to furniture")
        << room << "A 200,150,250,199"
        << "door:150,190 right10*2"
        << "A:200|250,150|199; " + door + ": 119| 199, 119| 199 / 1 / 2" + stuck;
    QTest::newRow("dragged along its wall")
        << room << ""
        << "door:150,190 drag:150,180>170,181" << door + ": 130| 210, 119| 199 / 0 / 2";
    QTest::newRow("dragged onto another wall")
        << room << ""
        << "door:150,190 drag:150,180>5,100"
        << "¤Дверь 80, лево, петли слева, внутрь: 0| 80, 60| 140 / 0 / 2";
    QTest::newRow("dragged onto furniture: stays")
        << room << "A 0,0,60,199"
        << "door:150,190 drag:150,180>5,100"
        << "A:0|60,0|199; " + door + ": 110|190, 119|199 / 1 / 1";

    QTest::newRow("resized, hinges and direction changed, flipped back")
        << room << ""
        << "door:150,190 size:100,R,out turn"
        << "¤Дверь 100, низ, петли слева, наружу: 110| 210, 199| 199 / 0 / 3";
    QTest::newRow("too wide for the swing")
        << room << ""
        << "door:150,190 size:250"
        << door + ": 110|190, 119|199 / 0 / 1 Ширина должна быть от 30 до 199 см!";
    QTest::newRow("a window turned is itself, its copy beside it")
        << room << ""
        << "window:150,5 turn copy"
        << "¤Окно 120, верх: 90|210, 0|0; ¤Окно 120, право: 299|299, 0|120 / 1 / 2";
    QTest::newRow("deleted, undone") << room << ""
                                     << "passage:5,100 yes delete undo"
                                     << "¤Проём 90, лево: 0|0, 55|145 / 0 / 1";
    QTest::newRow("a name with the marker refused, an opening's name kept")
        << room << ""
        << "draw:20,20>60,60=¤Дверь=Стол window:150,5 rename"
        << "Стол: 20|60, 20|60; ¤Окно 120, верх: 90|210, 0|0 / 1 / 2"
           " Название не может начинаться со знака ¤! Двери, окна и проёмы не переименовываются!";

    // Furniture keeps off the swing square and the strips.
    // The release rewrites the row where it was and picks the door under
    // the pointer.
    const QString withDoor = "A:100|150,50|100; " + door + ": 110|190, 119|199";
    QTest::newRow("furniture dragged into the swing")
        << room << "A 100,50,150,100"
        << "door:150,190 select:0 drag:125,75>145,150"
        << "A: 100| 150, 50| 100; " + door + ": 110|190, 119|199 / 1 / 2";
    QTest::newRow("furniture nudged to the swing")
        << room << "A 100,50,150,100"
        << "door:150,190 select:0 down10*3"
        << "A: 100| 150, 68| 118; " + door + ": 110|190, 119|199 / 0 / 3" + stuck;
    QTest::newRow("furniture sized into the swing")
        << room << "A 100,50,150,100"
        << "door:150,190 select:0 vvod:50,80"
        << withDoor + " / 0 / 1 При таком значении объекты налагаются друг на друга!";
    QTest::newRow("furniture nudged to a window's strip")
        << room << "A 100,150,150,190"
        << "window:125,195 select:0 down10"
        << "A: 100| 150, 158| 198; ¤Окно 120, низ: 65|185, 199|199 / 0 / 2";
}

void TestOpeningCommands::openings()
{
    QFETCH(QSize, room);
    QFETCH(QString, objects);
    QFETCH(QString, script);
    QFETCH(QString, after);

    CommandRoom editing(room, objects);
    Editor &e = editing.e;
    e.table().select(-1);
    const QString before = editing.rows();
    const auto point = [](const QString &xy) {
        return QPointF(xy.section(',', 0, 0).toDouble(), xy.section(',', 1, 1).toDouble());
    };
    const auto mouse = [&e](EditMode mode, QPointF from, QPointF to) {
        mode == EditMode::Move ? e.selct_Click() : e.create_Click();
        e.K_MouseDown(buttons::left, 0, from.x(), from.y());
        e.K_MouseMove(buttons::left, 0, to.x(), to.y());
        e.K_MouseUp(buttons::left, 0, to.x(), to.y());
    };
    const std::map<QString, OpeningKind> kinds {{"door", OpeningKind::Door},
        {"window", OpeningKind::Window}, {"passage", OpeningKind::Passage}};

    for (const QString &word : script.split(' ')) {
        const QString c = word.section('*', 0, 0), verb = c.section(':', 0, 0);
        const QString arg = c.section(':', 1);
        for (int i = 0; i < qMax(1, word.section('*', 1).toInt()); ++i) {
            if (editing.command(c))
                continue;
            if (kinds.count(verb))
                addOpening(e, kinds.at(verb), point(arg));
            else if (verb == "select")
                e.table().select(arg.toInt());
            else if (c == "rename")
                renameObject(e);
            else if (verb == "size")
                resizeOpening(
                    e, arg.section(',', 0, 0).toInt(), !arg.contains(",R"), !arg.contains("out"));
            else if (verb == "vvod")
                e.vvod(point(arg).x(), point(arg).y());
            else if (verb == "drag")
                mouse(EditMode::Move, point(arg.section('>', 0, 0)), point(arg.section('>', 1)));
            else if (verb == "draw") {
                const QStringList names = arg.section('=', 1).split('=');
                editing.prompts.inputAnswers = {names.begin(), names.end()};
                mouse(EditMode::Create, point(arg.section('>', 0, 0)),
                    point(arg.section('>', 1).section('=', 0, 0)));
            }
        }
    }

    QCOMPARE(editing.outcome(), after);
    // Openings are drawn as their symbols, in their own colour, and listed
    // by what they are; furniture as boxes.
    const QImage plan = e.K().image();
    for (int i = 0; i < e.table().count(); ++i) {
        const auto opening = rowOpening(e, i);
        const QString shown = e.table().data(e.table().index(i), Qt::DisplayRole).toString();
        const auto &r = e.table().row(i);
        const int corner = int(plan.pixel(*r.xValues.first, *r.yValues.first) & 0xFFFFFF);
        if (!opening) {
            QCOMPARE(shown, r.name);
            QVERIFY(corner == colors::blue || corner == colors::green);
            continue;
        }
        QCOMPARE(shown, r.name.mid(1).section(',', 0, 0));
        const Edges gap = openingGap(*opening, room);
        const int wall = int(plan.pixel(int(gap.left), int(gap.top)) & 0xFFFFFF);
        QVERIFY(wall == colors::opening || wall == colors::currentOpening);
        const Edges area = openingArea(*opening, room);
        for (qint64 y = area.top; y <= area.bottom; ++y) {
            for (qint64 x = area.left; x <= area.right; ++x) {
                const int pixel = int(plan.pixel(int(x), int(y)) & 0xFFFFFF);
                QVERIFY(pixel != colors::blue && pixel != colors::green);
            }
        }
    }
    // Every step undoes to where the room began.
    for (int i = e.history().stack().index(); i > 0; --i)
        e.history().undo();
    QCOMPARE(editing.rows(), before);
}

QTEST_MAIN(TestOpeningCommands)
#include "test_openingcommands.moc"
