#include "files/komfile.h"
#include "plan/editor.h"
#include "recovery/recoverystore.h"
#include "recovery/roomrecovery.h"
#include "support/fakewindow.h"
#include "support/filebytes.h"
#include "support/planchecks.h"

#include <QTemporaryDir>
#include <QTest>

using namespace plandex;

namespace {

// Pair texts with blanks, as the editor writes them.
const KomRoom kept {600, 400, {{"Стол", " 10|60", " 20|80"}}};

} // namespace

class TestRoomRecovery : public QObject
{
    Q_OBJECT

private slots:
    void offersTheRoomAGoneCopyLeft_data();
    void offersTheRoomAGoneCopyLeft();
};

void TestRoomRecovery::offersTheRoomAGoneCopyLeft_data()
{
    // The room and the path file a gone copy left ("none": no such file),
    // the answer to the question, whether the room came back, and what the
    // user was told.
    QTest::addColumn<QByteArray>("room");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("recovered");
    QTest::addColumn<QStringList>("messages");
    const QByteArray sound = writeKom(kept).bytes;
    const QStringList none, bad {"Неверный формат файла"};
    QTest::newRow("nothing left") << QByteArray("none") << QByteArray("none") << true << false
                                  << none;
    QTest::newRow("Да") << sound << QByteArray("/rooms/Кухня.kom\n") << true << true << none;
    QTest::newRow("Да, a new room") << sound << QByteArray("none") << true << true << none;
    QTest::newRow("Нет") << sound << QByteArray("/rooms/a.kom\n") << false << false << none;
    QTest::newRow("Да, damaged room")
        << sound.left(30) << QByteArray("none") << true << false << bad;
    QTest::newRow("Да, a path no writer gives: a new room")
        << sound << QByteArray("rooms/a.kom\n") << true << true << none;
    QTest::newRow("Нет, damaged") << sound.left(30) << QByteArray("none") << false << false << none;
}

void TestRoomRecovery::offersTheRoomAGoneCopyLeft()
{
    QFETCH(QByteArray, room);
    QFETCH(QByteArray, path);
    QFETCH(bool, yes);
    QFETCH(bool, recovered);
    QFETCH(QStringList, messages);
    QTemporaryDir dir;
    const QString left = dir.filePath("9-0000000a");
    if (room != "none")
        QVERIFY(put(left + ".kom", room));
    if (path != "none")
        QVERIFY(put(left + ".path", path));

    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.load();
    RecoveryStore store(dir.path());
    RoomRecovery keeper(e, store);
    prompts.confirmAnswers = {yes};
    QCOMPARE(keeper.offerLeftover(prompts), recovered);
    QCOMPARE(prompts.questions,
        room == "none" ? QStringList()
                       : QStringList {"Восстановить комнату, не сохранённую при прошлой работе?"});
    QCOMPARE(prompts.messages, messages);
    // Whatever the answer, it is not offered again.
    for (const char *suffix : {".kom", ".path", ".lock"})
        QVERIFY(!QFile::exists(left + suffix));

    QCOMPARE(e.komRoom() == kept, recovered);
    QCOMPARE(e.history().isModified(), recovered);
    QCOMPARE(e.roomFile(), recovered && path.startsWith('/') ? QString(path).trimmed() : QString());
    QCOMPARE(planFault(e), QString());
    // Kept by this copy now, before the old copy went.
    QCOMPARE(QFile::exists(store.roomPath()), recovered);
    if (recovered) {
        QCOMPARE(contentOf(store.roomPath()), room);
        // There is no saved state to go back to.
        e.vvod(30, 30);
        e.history().undo();
        e.history().undo();
        QVERIFY(e.history().isModified());
    }
}

QTEST_MAIN(TestRoomRecovery)
#include "test_roomrecovery.moc"
