#include "files/komfile.h"
#include "plan/editor.h"
#include "recovery/recoverystore.h"
#include "recovery/roomrecovery.h"
#include "support/fakewindow.h"
#include "support/filebytes.h"
#include "support/planchecks.h"
#include "support/tmpfsmount.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace plandex;

namespace {

// Pair texts with blanks, as the editor writes them.
const KomRoom kept {600, 400, {{"Стол", " 10|60", " 20|80"}}};

// Fills the disk of folder to the last byte.
void fill(const QString &folder)
{
    QFile filler(folder + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(1024, 'x')) == 1024) { }
}

// A change of the current object's size: a step of the history.
void change(Editor &e)
{
    e.table().select(0);
    e.vvod(30 + e.history().stack().index() % 2, 30);
}

} // namespace

class TestRoomRecovery : public QObject
{
    Q_OBJECT

private slots:
    void offersTheRoomAGoneCopyLeft_data();
    void offersTheRoomAGoneCopyLeft();
    void keepsTheRoomWhateverGoesWrong_data();
    void keepsTheRoomWhateverGoesWrong();
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

void TestRoomRecovery::keepsTheRoomWhateverGoesWrong_data()
{
    // What goes wrong, and the beginnings of what the user is told.
    QTest::addColumn<QString>("what");
    QTest::addColumn<QStringList>("told");
    const QString notKept = "Несохранённые изменения не сохраняются на случай сбоя.\n";
    QTest::newRow("a room opened by a relative path") << "relative" << QStringList();
    QTest::newRow("Да onto a full disk: the old copy stays until the new is written")
        << "full"
        << QStringList {notKept + "Не удалось сохранить файл ",
               "Несохранённые изменения снова сохраняются на случай сбоя."};
    QTest::newRow("a folder that cannot be made") << "unmade" << QStringList {notKept + "Папка "};
    QTest::newRow("a folder that is a link") << "linked" << QStringList {notKept + "Папка "};
    QTest::newRow("a room file it did not name") << "foreign" << QStringList();
}

void TestRoomRecovery::keepsTheRoomWhateverGoesWrong()
{
    QFETCH(QString, what);
    QFETCH(QStringList, told);
    QTemporaryDir dir;
    QString folder = dir.filePath("recovery");
    QVERIFY(QDir().mkpath(folder));
    const QString left = folder + "/9-0000000a";
    std::unique_ptr<TmpfsMount> mount;
    if (what == "full") {
        mount = std::make_unique<TmpfsMount>(folder);
        if (!mount->mounted)
            QSKIP("mounting a tmpfs needs root with CAP_SYS_ADMIN");
        QVERIFY(put(left + ".kom", writeKom(kept).bytes));
    } else if (what == "unmade") {
        QVERIFY(put(dir.filePath("file"), "a file"));
        folder = dir.filePath("file/recovery");
    } else if (what == "linked") {
        // A shared folder keeps its mode, and its rooms are no leftovers.
        QVERIFY(QDir().mkpath(dir.filePath("shared")));
        QVERIFY(put(dir.filePath("shared/9-0000000a.kom"), writeKom(kept).bytes));
        QCOMPARE(::chmod(QFile::encodeName(dir.filePath("shared")), 01777), 0);
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QFile::link(dir.filePath("shared"), folder));
    } else if (what == "foreign") {
        QVERIFY(put(folder + "/room.kom", writeKom(kept).bytes));
    }
    QVERIFY(put(dir.filePath("room.kom"), writeKom(kept).bytes));

    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.load();
    RecoveryStore store(folder);
    RoomRecovery keeper(e, store);
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    auto back = qScopeGuard([&cwd] { QDir::setCurrent(cwd); });
    e.openKom(what == "relative" ? "room.kom" : dir.filePath("room.kom"));
    if (what == "full")
        fill(folder);
    prompts.confirmAnswers = {true};
    QCOMPARE(keeper.offerLeftover(prompts), what == "full");
    // Changes while the trouble lasts are told of once.
    for (int i = 0; i < (what == "full" ? 1 : 2); ++i)
        change(e);
    store.waitUntilDone();
    QCoreApplication::processEvents();
    QCOMPARE(QFile::exists(left + ".kom"), what == "full" || what == "linked");
    if (what == "full") {
        QFile::remove(folder + "/filler");
        change(e);
        store.waitUntilDone();
        QCoreApplication::processEvents();
        QVERIFY(!QFile::exists(left + ".kom"));
    }

    QCOMPARE(prompts.messages.size(), told.size());
    for (int i = 0; i < told.size(); ++i)
        QVERIFY2(prompts.messages[i].startsWith(told[i]), qPrintable(prompts.messages[i]));
    if (what == "relative")
        QCOMPARE(contentOf(QString(store.roomPath()).replace(".kom", ".path")),
            QFile::encodeName(dir.filePath("room.kom")) + "\n");
    if (what == "linked")
        QCOMPARE(QFileInfo(dir.filePath("shared")).permissions(),
            QFileInfo(QDir::tempPath()).permissions());
    if (what == "foreign")
        QCOMPARE(contentOf(folder + "/room.kom"), writeKom(kept).bytes);
}

QTEST_MAIN(TestRoomRecovery)
#include "test_roomrecovery.moc"
