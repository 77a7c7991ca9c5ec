#include "commands/objectcommands.h"
#include "files/komfile.h"
#include "files/roomsize.h"
#include "model/codepage.h"
#include "plan/editor.h"
#include "recovery/recoverystore.h"
#include "recovery/roomrecovery.h"
#include "support/fakewindow.h"
#include "support/filebytes.h"
#include "support/planchecks.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace plandex;

namespace {

// The room size and the file it belongs to, then every row as "name,x,y"
// with the pair texts exactly.
QStringList roomOf(const Editor &e)
{
    QStringList r {QString("%1x%2 %3").arg(e.K().width()).arg(e.K().height()).arg(e.roomFile())};
    for (const ObjectTable::Row &row : e.table().rows())
        r << row.name + "," + row.x + "," + row.y;
    return r;
}

// The plan a fresh editor draws for the shown table and selection.
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
    void mouse(QPoint from, QPoint by)
    {
        const QPoint to = from + by;
        e.K_MouseDown(buttons::left, 0, from.x(), from.y());
        e.K_MouseMove(buttons::left, 0, from.x() + by.x() / 2, from.y() + by.y() / 2);
        e.K_MouseMove(buttons::left, 0, to.x(), to.y());
        e.K_MouseUp(buttons::left, 0, to.x(), to.y());
    }
    // One step; objects are drawn in cells of their own, edits act on the
    // middle row.
    void act(const QString &op)
    {
        const int mid = e.table().count() / 2;
        const QPoint grab
            = mid < e.table().count() ? rowRect(e, mid).topLeft() + QPoint(9, 9) : QPoint();
        e.table().select(mid < e.table().count() ? mid : -1);
        if (op == "draw" || op == "unnamed draw") {
            const int cell = drawn++;
            e.create_Click();
            prompts.inputAnswers.push_back(op == "draw" ? QString("Стол %1").arg(cell) : "");
            mouse({10 + 110 * (cell % 5), 10 + 90 * (cell / 5)}, {60, 50});
        } else if (op == "move") {
            e.selct_Click();
            mouse(grab, {5, 3});
        } else if (op == "resize") {
            e.Rsiz_Click();
            mouse(grab, {7, 4});
        } else if (op == "size" || op == "huge size") {
            e.vvod(op == "size" ? 30 : 2000, 20);
        } else if (op == "delete" || op == "delete answered Нет") {
            prompts.confirmAnswers.push_back(op == "delete");
            e.DelObj_Click();
        } else if (op.startsWith("rename")) {
            // "rename to <name>", "rename to itself", "rename cancelled".
            const QString old = e.table().selectedName(), to = op.section(" to ", 1);
            if (op != "rename cancelled")
                prompts.inputAnswers.push_back(to == "itself" ? old : to);
            const QImage plan = e.K().image().copy();
            renameObject(e);
            QCOMPARE(prompts.inputInitials.last(), old);
            QCOMPARE(e.table().name(mid), to.isEmpty() || to == "itself" ? old : to);
            QCOMPARE(e.K().image(), plan); // the plan shows no names
        } else if (op == "new room") {
            e.btnNew_Click();
        } else if (op == "save") {
            QVERIFY(e.saveKom(tmp.filePath("saved.kom")));
        } else if (op == "past the step limit") {
            for (int i = 0; i <= RoomHistory::stepLimit; ++i)
                e.vvod(20 + i % 2, 20);
        } else if (op == "open" || op == "open damaged") {
            QByteArray bytes = "komfile: 640|480\x01" + toCodePage("Шкаф") + "\x02 5| 80\x03"
                + "9|70\x01" + toCodePage("Диван") + "\x02" + "100|260\x03" + "200|260\x01";
            if (op == "open damaged")
                bytes.chop(1);
            QFile f(tmp.filePath("room.kom"));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
            f.close();
            e.openKom(f.fileName());
        } else {
            QVERIFY(op == "undo" || op == "redo");
            op == "undo" ? e.history().undo() : e.history().redo();
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
    void bigRoomsDoNotPileUp();
    void recoveryFollowsEveryStep_data();
    void recoveryFollowsEveryStep();
};

void TestHistory::undoAndRedoGiveBackEachRoom_data()
{
    // A step in parentheses must change nothing, and so records nothing.
    QTest::addColumn<QString>("steps");
    QTest::newRow("draw") << "draw, draw, undo, undo, undo, redo, redo, redo, (unnamed draw), "
                             "draw, undo, redo";
    QTest::newRow("move") << "draw, draw, move, undo, redo, move, undo, undo, redo, redo";
    QTest::newRow("resize") << "draw, resize, draw, resize, undo, undo, undo, redo, redo";
    QTest::newRow("size dialog")
        << "draw, draw, draw, size, (huge size), undo, redo, undo, size, undo, redo";
    QTest::newRow("delete") << "draw, draw, draw, delete, (delete answered Нет), delete, undo, "
                               "undo, redo, undo, draw, undo, undo, redo, redo";
    QTest::newRow("new room") << "draw, move, new room, draw, undo, undo, undo, redo, redo, redo, "
                                 "new room, undo, draw, redo";
    QTest::newRow("rename") << "draw, draw, rename to Комод, undo, redo, (rename to itself), "
                               "(rename to ), (rename cancelled), draw, rename to Шкаф, undo, "
                               "undo, redo, redo";
    QTest::newRow("open") << "draw, draw, open, move, (open damaged), undo, undo, undo, redo, "
                             "redo, delete, undo, undo, draw, undo, redo";
}

void TestHistory::undoAndRedoGiveBackEachRoom()
{
    QFETCH(QString, steps);
    Session s;
    // The rooms the history can reach, the step that made each, and where
    // the history stands.
    QList<QStringList> rooms {roomOf(s.e)};
    QStringList madeBy {QString()};
    qsizetype at = 0;

    for (QString step : steps.split(", ")) {
        const bool changesNothing = step.startsWith('(');
        step.remove('(').remove(')');
        const QStringList before = roomOf(s.e);
        s.act(step);
        const QStringList now = roomOf(s.e);
        if (step != "undo" && step != "redo") {
            QVERIFY2((now == before) == changesNothing, qPrintable(step));
            if (!changesNothing) {
                rooms.resize(++at);
                madeBy.resize(at);
                rooms << now;
                madeBy << step;
            }
            continue;
        }
        const qsizetype to = qBound<qsizetype>(0, at + (step == "undo" ? -1 : 1), rooms.size() - 1);
        QCOMPARE(now, rooms[to]);
        // Current: the row the step touched; none when it went away or the
        // whole room changed.
        const QStringList &other = rooms[at], &shown = rooms[to];
        int touched = 1;
        while (touched < qMin(other.size(), shown.size()) && other[touched] == shown[touched])
            ++touched;
        const QString kind = madeBy[qMax(at, to)];
        if (kind == "new room" || kind == "open" || shown.size() < other.size())
            touched = 0;
        if (to != at)
            QCOMPARE(s.e.table().selection(), touched - 1);
        at = to;
        QCOMPARE(s.window.clientSize, fitAround(s.e.K().size()).client);
        QCOMPARE(s.e.K().image(), freshPlan(s.e));
    }
}

void TestHistory::keepsAThousandSteps()
{
    Session s;
    s.act("draw");
    const QStringList drawn = roomOf(s.e);
    for (int i = 0; i < 1000; ++i)
        s.act(i % 2 ? "size" : "resize");
    for (int i = 0; i < 1000; ++i)
        s.e.history().undo();
    QCOMPARE(roomOf(s.e), drawn);
    // The drawing, the oldest step, made way for the last one.
    s.e.history().undo();
    QCOMPARE(roomOf(s.e), drawn);
}

void TestHistory::bigRoomsDoNotPileUp()
{
    // Each file holds more than half of what the history may keep.
    Session s;
    const int objects = int(RoomHistory::roomRowBudget / 2 + 1);
    QStringList paths;
    for (int f = 0; f < 3; ++f) {
        KomRoom room {1000 + f, 1000, {}};
        for (int i = 0; i < objects; ++i)
            room.objects.push_back({QString::number(i), QString::number(f), "0|0"});
        const QString path = s.tmp.filePath(QString("room%1.kom").arg(f));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(writeKom(room).bytes);
        paths << path;
    }
    QStringList before = roomOf(s.e);
    for (const QString &path : paths) {
        s.e.openKom(path);
        QCOMPARE(s.e.table().count(), objects);
        QVERIFY(s.e.history().heldRoomRows() <= RoomHistory::roomRowBudget);
        // The latest load can always be undone.
        const QStringList opened = roomOf(s.e);
        s.e.history().undo();
        QCOMPARE(roomOf(s.e), before);
        s.e.history().redo();
        QCOMPARE(roomOf(s.e), opened);
        before = opened;
    }
}

void TestHistory::recoveryFollowsEveryStep_data()
{
    undoAndRedoGiveBackEachRoom_data();
    QTest::newRow("save") << "draw, save, draw, undo, undo, redo, save, new room, undo, redo";
    QTest::newRow("open, save") << "draw, open, move, save, undo, undo, undo, redo, redo";
    QTest::newRow("past the step limit") << "draw, past the step limit, undo, save, redo";
}

void TestHistory::recoveryFollowsEveryStep()
{
    QFETCH(QString, steps);
    Session s;
    RecoveryStore store(s.tmp.filePath("recovery"));
    RoomRecovery keeper(s.e, store);
    const QString pathFile = QString(store.roomPath()).replace(".kom", ".path");
    for (QString step : steps.split(", ")) {
        s.act(step.remove('(').remove(')'));
        store.waitUntilDone();
        // Kept exactly while the room has unsaved changes, as it stands.
        const bool unsaved = s.e.history().isModified();
        QVERIFY2(QFile::exists(store.roomPath()) == unsaved, qPrintable(step));
        if (!unsaved)
            continue;
        QVERIFY2(contentOf(store.roomPath()) == writeKom(s.e.komRoom()).bytes, qPrintable(step));
        const QByteArray file
            = s.e.roomFile().isEmpty() ? "<unreadable>" : QFile::encodeName(s.e.roomFile()) + "\n";
        QVERIFY2(contentOf(pathFile) == file, qPrintable(step));
    }
}

QTEST_MAIN(TestHistory)
#include "test_history.moc"
