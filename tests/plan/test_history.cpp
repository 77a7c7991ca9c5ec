#include "files/roomsize.h"
#include "model/codepage.h"
#include "plan/editor.h"
#include "support/fakewindow.h"
#include "support/planchecks.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace plandex;

namespace {

// What a step may change and undo must give back.
struct Room {
    QSize size;
    QStringList rows; // "name,x,y", pair texts exactly

    bool operator==(const Room &) const = default;
};

Room roomOf(const Editor &e)
{
    Room r {e.K().size(), {}};
    for (const ObjectTable::Row &row : e.table().rows())
        r.rows << row.name + "," + row.x + "," + row.y;
    return r;
}

// The row that is current after a step on one row from `earlier` to
// `later`: the row that differs, none when it went away.
int touchedGoingTo(const Room &earlier, const Room &later)
{
    int i = 0;
    while (i < earlier.rows.size() && i < later.rows.size() && earlier.rows[i] == later.rows[i])
        ++i;
    return later.rows.size() < earlier.rows.size() ? -1 : i;
}

// The plan a fresh editor draws for this table with row `current` green.
QImage freshPlan(const Editor &shown)
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor fresh(window, prompts);
    fresh.K().resize(shown.K().size());
    fresh.table().replaceAll(shown.table().rows());
    fresh.OBNOV();
    fresh.table().select(shown.table().selection());
    return fresh.K().image();
}

struct Session {
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e {window, prompts};
    QTemporaryDir tmp;
    int drawn = 0;

    Session()
    {
        e.load();
        window.onSizeDialog = [this](const QString &, const QString &) {
            e.state().newW = 600;
            e.state().newH = 400;
            e.state().tmpStr = "Yes";
        };
    }

    void mouse(QPoint from, QPoint to)
    {
        e.K_MouseDown(buttons::left, 0, from.x(), from.y());
        e.K_MouseMove(buttons::left, 0, (from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
        e.K_MouseMove(buttons::left, 0, to.x(), to.y());
        e.K_MouseUp(buttons::left, 0, to.x(), to.y());
    }
    // Grabs row i near its top-left corner and drags by `by`.
    void dragRow(int i, QPoint by)
    {
        const QPoint at = rowRect(e, i).topLeft() + QPoint(10, 10);
        mouse(at, at + by);
    }
    void selectRow(int i) { e.table().select(i); }

    // One step of a script; every object gets a cell of its own.
    void act(const QString &op)
    {
        const int mid = e.table().count() / 2;
        if (op == "draw" || op == "unnamed draw") {
            const int cell = drawn++;
            const QPoint corner(10 + 110 * (cell % 5), 10 + 90 * (cell / 5));
            e.create_Click();
            prompts.inputAnswers.push_back(op == "draw" ? QString("Стол %1").arg(cell) : "");
            mouse(corner, corner + QPoint(60, 50));
        } else if (op == "move") {
            e.selct_Click();
            dragRow(mid, {5, 3});
        } else if (op == "resize") {
            e.Rsiz_Click();
            dragRow(mid, {7, 4});
        } else if (op == "size" || op == "huge size") {
            selectRow(mid);
            e.vvod(op == "size" ? 30 : 2000, 20);
        } else if (op == "delete" || op == "delete answered Нет") {
            selectRow(mid);
            prompts.confirmAnswers.push_back(op == "delete");
            e.DelObj_Click();
        } else if (op == "new room") {
            e.btnNew_Click();
        } else if (op == "open" || op == "open damaged") {
            QByteArray bytes = "komfile: 640|480\x01" + toCodePage("Шкаф") + "\x02 5| 80\x03"
                + "9|70\x01" + toCodePage("Диван") + "\x02" + "100|260\x03" + "200|260\x01";
            if (op == "open damaged")
                bytes.chop(1);
            QFile f(tmp.filePath("room.kom"));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
            f.close();
            e.openKom(f.fileName());
        } else if (op == "undo") {
            e.history().undo();
        } else if (op == "redo") {
            e.history().redo();
        } else {
            QFAIL(qPrintable("unknown step " + op));
        }
    }
};

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedoGiveBackEachRoom_data();
    void undoAndRedoGiveBackEachRoom();
    void keepsAThousandSteps();
};

void TestHistory::undoAndRedoGiveBackEachRoom_data()
{
    // Steps in order; a step in parentheses must change nothing and so
    // records nothing.
    QTest::addColumn<QStringList>("steps");

    auto steps = [](const char *text) { return QString(text).split(", "); };
    QTest::newRow("draw") << steps(
        "draw, draw, undo, undo, undo, redo, redo, redo, draw, undo, redo");
    QTest::newRow("move") << steps("draw, draw, move, undo, redo, move, undo, undo, redo, redo");
    QTest::newRow("resize") << steps("draw, resize, draw, resize, undo, undo, undo, redo, redo");
    QTest::newRow("size dialog") << steps("draw, draw, draw, size, (huge size), undo, redo, undo, "
                                          "size, (huge size), undo, redo");
    QTest::newRow("delete") << steps("draw, draw, draw, delete, (delete answered Нет), delete, "
                                     "undo, undo, redo, undo, draw, undo, undo, redo, redo");
    QTest::newRow("new room") << steps("draw, move, new room, draw, undo, undo, undo, redo, redo, "
                                       "redo, new room, undo, draw, redo");
    QTest::newRow("open") << steps("draw, draw, open, move, (open damaged), undo, undo, undo, "
                                   "redo, redo, delete, undo, undo, draw, undo, redo");
    QTest::newRow("everything") << steps(
        "draw, draw, draw, move, resize, size, delete, new room, draw, open, undo, undo, "
        "undo, undo, undo, undo, undo, undo, undo, undo, undo, redo, redo, redo, redo, "
        "redo, redo, redo, redo, redo, redo, redo, redo, undo, draw, redo, undo");
}

void TestHistory::undoAndRedoGiveBackEachRoom()
{
    QFETCH(QStringList, steps);
    Session s;
    // The rooms the history can reach, and where it stands among them.
    QList<Room> rooms {roomOf(s.e)};
    QStringList madeBy {QString()};
    qsizetype at = 0;

    for (QString step : steps) {
        const bool changesNothing = step.startsWith('(');
        step.remove('(').remove(')');
        const Room before = roomOf(s.e);
        s.act(step);
        if (QTest::currentTestFailed())
            return;
        const Room now = roomOf(s.e);

        const int current = s.e.table().selection();
        if (step == "undo" || step == "redo") {
            const qsizetype to
                = step == "undo" ? qMax<qsizetype>(at - 1, 0) : qMin(at + 1, rooms.size() - 1);
            QVERIFY2(now == rooms[to], qPrintable(step + " gave back another room"));
            const QString kind = madeBy[qMax(at, to)];
            if (to != at)
                QCOMPARE(current,
                    kind == "new room" || kind == "open" ? -1
                                                         : touchedGoingTo(rooms[at], rooms[to]));
            at = to;
            QCOMPARE(s.window.clientSize, fitAround(now.size).client);
            QCOMPARE(s.e.K().image(), freshPlan(s.e));
        } else {
            QVERIFY2(
                (now == before) == changesNothing, qPrintable(step + " changed the wrong way"));
            if (!changesNothing) {
                rooms.resize(at + 1);
                madeBy.resize(at + 1);
                rooms << now;
                madeBy << step;
                ++at;
            }
        }
        // The parsed numbers stay in step with the texts.
        for (const ObjectTable::Row &row : s.e.table().rows()) {
            QCOMPARE(row.xValues, readPair(row.x));
            QCOMPARE(row.yValues, readPair(row.y));
        }
        QVERIFY2(planFault(s.e).isEmpty(), qPrintable(step + ": " + planFault(s.e)));
    }
    QVERIFY(s.prompts.messages.count() <= 2);
}

void TestHistory::keepsAThousandSteps()
{
    Session s;
    s.act("draw");
    const Room drawn = roomOf(s.e);
    for (int i = 0; i < 1000; ++i) {
        s.selectRow(0);
        s.e.vvod(40 + i % 2, 30);
    }
    for (int i = 0; i < 1000; ++i)
        s.e.history().undo();
    QCOMPARE(roomOf(s.e), drawn);
    // The oldest step, the drawing, made room for the last one.
    s.e.history().undo();
    QCOMPARE(roomOf(s.e), drawn);
}

QTEST_MAIN(TestHistory)
#include "test_history.moc"
