#include "plandexui.h"
#include "support/filebytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace plandexui;

namespace {

const QString recoveryQuestionTitle = promptTitle;

// Two objects drawn in the first room, and the one of the room file; a
// loaded room shows them all blue.
const QRect wardrobe(QPoint(20, 20), QPoint(80, 60));
const QRect table(QPoint(120, 20), QPoint(180, 60));
const QRect sofa(QPoint(300, 200), QPoint(400, 300));
const QByteArray sofaRoom = "komfile: 553|361\x01Sofa\x02 300|400\x03 200|300\x01\r\n";

QString recoveryFolder(XSession &x)
{
    return x.home() + "/.local/state/plandex/recovery";
}

// The files of the recovery folder, the process ids in their names
// replaced by the given names.
QStringList filesNamed(XSession &x, const QHash<qint64, QString> &names)
{
    QStringList files;
    for (QString f : QDir(recoveryFolder(x)).entryList(QDir::Files, QDir::Name)) {
        const qint64 pid = f.section('-', 0, 0).toLongLong();
        files << (names.contains(pid) ? names[pid] : f.section('-', 0, 0)) + "."
                + f.section('.', -1);
    }
    files.sort();
    return files;
}

// The room that process pid keeps for recovery, once it holds name.
QByteArray keptRoom(XSession &x, qint64 pid, const QByteArray &name)
{
    QByteArray kept;
    QDeadlineTimer deadline(10000);
    do {
        const QStringList rooms
            = QDir(recoveryFolder(x)).entryList({QString("%1-*.kom").arg(pid)}, QDir::Files);
        kept = rooms.isEmpty() ? QByteArray() : contentOf(recoveryFolder(x) + "/" + rooms.first());
        if (kept.contains(name))
            return kept;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return kept;
}

// The colours at the middle of each rectangle, once they are as wanted or
// the wait is over.
QString coloursAt(XSession &x, quint64 window, QList<QRect> places, const QString &want)
{
    auto colours = [&](const QImage &s) {
        QStringList seen;
        for (const QRect &r : places)
            seen << s.pixelColor(atRoom(r.center())).name();
        return seen.join(' ');
    };
    return colours(
        x.waitForScreenshot(window, [&](const QImage &s) { return colours(s) == want; }));
}

bool killApp(XSession &x, qint64 pid)
{
    QProcess *app = x.app(pid);
    if (!app)
        return false;
    app->kill();
    return app->waitForFinished(5000);
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void aKilledRoomComesBack_data();
    void aKilledRoomComesBack();
    void twoCopiesKeepTheirOwnRooms();
};

void TestRecovery::aKilledRoomComesBack_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Да") << true;
    QTest::newRow("Нет") << false;
}

void TestRecovery::aKilledRoomComesBack()
{
    QFETCH(bool, yes);
    QTemporaryDir tmp;
    const QString roomFile = tmp.filePath("sofa.kom");
    QVERIFY(put(roomFile, sofaRoom));
    XSession x;
    // Where the save dialog starts.
    x.setAppFolder(tmp.path());
    quint64 window = 0;
    const QString started = startPlandex(x, window);
    QVERIFY2(started.isEmpty(), qPrintable(started));

    QVERIFY(drawObject(x, window, wardrobe.topLeft(), wardrobe.bottomRight(), "Wardrobe"));
    QVERIFY(drawObject(x, window, table.topLeft(), table.bottomRight(), "Table"));
    const qint64 first = x.app().processId();
    const QByteArray kept = keptRoom(x, first, "Table");
    QVERIFY2(kept.contains("Wardrobe") && kept.contains("Table"), kept.constData());
    QVERIFY(killApp(x, first));

    QVERIFY(x.startApp({roomFile}));
    const qint64 second = x.app().processId();
    const quint64 question = x.waitForWindow(recoveryQuestionTitle);
    QVERIFY2(question, "no question about the lost room");
    QVERIFY2(!x.waitForWindow("^My Plandex", 300), "the main window came before the question");
    // "Да" is the default button.
    QVERIFY(x.waitForFocus(question) && x.key(yes ? "Return" : "Tab Return"));
    window = x.waitForWindowOf(second, "^My Plandex$");
    QVERIFY2(window, "no main window after the question");

    const QString blue = "#0000ff", black = "#000000";
    const QList<QRect> places {wardrobe, table, sofa};
    if (!yes) {
        // The room file of the command line, and the lost room is gone.
        const QString want = QStringList {black, black, blue}.join(' ');
        QCOMPARE(coloursAt(x, window, places, want), want);
        QCOMPARE(filesNamed(x, {{second, "new"}}), QStringList {"new.lock"});
        return;
    }
    // The room as the last change left it, with unsaved changes kept again
    // by the new copy; the command line's file is not opened.
    const QString want = QStringList {blue, blue, black}.join(' ');
    QCOMPARE(coloursAt(x, window, places, want), want);
    QCOMPARE(filesNamed(x, {{second, "new"}}), QStringList({"new.kom", "new.lock"}));
    QCOMPARE(keptRoom(x, second, "Table"), kept);

    // Saved, it is the very room, and nothing is left to recover.
    QVERIFY(x.click(onScreen(x, window, saveToolButton)));
    const quint64 dialog = x.waitForWindow("^Сохранение комнаты\\.$");
    QVERIFY2(dialog, "no save dialog");
    QVERIFY(x.waitForFocus(dialog) && x.key("Return"));
    QVERIFY2(x.waitForNoWindow("^Сохранение комнаты\\.$"), "the save dialog stayed open");
    QTRY_COMPARE(contentOf(tmp.filePath("безымянная комната.kom")), kept);
    QTRY_COMPARE(filesNamed(x, {{second, "new"}}), QStringList {"new.lock"});
}

void TestRecovery::twoCopiesKeepTheirOwnRooms()
{
    XSession x;
    quint64 window = 0;
    const QString started = startPlandex(x, window);
    QVERIFY2(started.isEmpty(), qPrintable(started));
    const qint64 killed = x.app().processId();
    QVERIFY(drawObject(x, window, wardrobe.topLeft(), wardrobe.bottomRight(), "Wardrobe"));
    const QByteArray lost = keptRoom(x, killed, "Wardrobe");
    QVERIFY2(lost.contains("Wardrobe"), lost.constData());

    // A second copy, on top of the first, with a room of its own.
    QVERIFY(x.startApp());
    const qint64 running = x.app().processId();
    window = x.waitForWindowOf(running, "^My Plandex$");
    QVERIFY2(window, "no window of the second copy");
    QVERIFY(drawObject(x, window, table.topLeft(), table.bottomRight(), "Table"));
    const QByteArray kept = keptRoom(x, running, "Table");
    QVERIFY2(kept.contains("Table") && !kept.contains("Wardrobe"), kept.constData());
    QVERIFY(killApp(x, killed));

    // A third copy offers the lost room only, once.
    QVERIFY(x.startApp());
    const qint64 third = x.app().processId();
    const quint64 question = x.waitForWindow(recoveryQuestionTitle);
    QVERIFY2(question, "no question about the lost room");
    QVERIFY(x.waitForFocus(question) && x.key("Return"));
    window = x.waitForWindowOf(third, "^My Plandex$");
    QVERIFY2(window, "no main window after the question");
    const QString want = "#0000ff #000000";
    QCOMPARE(coloursAt(x, window, {wardrobe, table}, want), want);
    QVERIFY2(x.waitForNoWindow(recoveryQuestionTitle, 500), "asked more than once");
    QCOMPARE(filesNamed(x, {{running, "running"}, {third, "third"}}),
        QStringList({"running.kom", "running.lock", "third.kom", "third.lock"}));
    QCOMPARE(keptRoom(x, running, "Table"), kept);
    QCOMPARE(keptRoom(x, third, "Wardrobe"), lost);
}

QTEST_MAIN(TestRecovery)
#include "test_e2e_recovery.moc"
