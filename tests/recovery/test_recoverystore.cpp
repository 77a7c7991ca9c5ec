#include "files/komfile.h"
#include "recovery/latestjob.h"
#include "recovery/recoverystore.h"
#include "support/filebytes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <future>

using namespace plandex;

namespace {

KomRoom roomOf(int width, const QString &name = QStringLiteral("Стол"))
{
    return {width, 400, {{name, "10|60", "20|80"}}};
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// The files a copy of the program that is gone left: "lock" leaves its
// lock file, "room" its room and "path" the path of its file.
void leave(const QString &folder, const QString &id, const QStringList &what, int width = 600)
{
    if (what.contains("lock"))
        QVERIFY(put(folder + "/" + id + ".lock", {}));
    if (what.contains("room"))
        QVERIFY(put(folder + "/" + id + ".kom", writeKom(roomOf(width)).bytes));
    if (what.contains("path"))
        QVERIFY(put(folder + "/" + id + ".path", "/rooms/a.kom\n"));
}

} // namespace

class TestRecoveryStore : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheNewestWaitingJobRuns();
    void keepsWhileChangedAndRemovesOnClean();
    void offersOnlyRoomsOfCopiesThatAreGone_data();
    void offersOnlyRoomsOfCopiesThatAreGone();
    void readsBackOrRefusesDamage_data();
    void readsBackOrRefusesDamage();
    void defaultFolderFollowsTheStateHome();
};

void TestRecoveryStore::onlyTheNewestWaitingJobRuns()
{
    // Jobs count from 0, steps from 10.
    std::vector<int> ran;
    std::promise<void> started, release;
    auto job = [&ran](int n) { return [&ran, n] { ran.push_back(n); }; };
    {
        LatestJobWorker worker;
        worker.post([&] {
            started.set_value();
            release.get_future().wait();
            ran.push_back(0);
        });
        started.get_future().wait();
        // The first job runs; these wait in turn, each job replacing the
        // last, each step kept.
        worker.step(job(10));
        worker.post(job(1));
        worker.step(job(11));
        worker.post(job(2));
        // Given after the last job: not that job's business.
        worker.step(job(12));
        release.set_value();
        worker.wait();
        QCOMPARE(ran, (std::vector<int> {0, 10, 11, 2}));
        worker.post(job(3));
        worker.wait();
        QCOMPARE(ran, (std::vector<int> {0, 10, 11, 2, 12, 3}));
        // A job still waiting when the worker goes runs first.
        worker.step(job(13));
        worker.post([&] {
            QThread::msleep(50);
            ran.push_back(4);
        });
    }
    QCOMPARE(ran, (std::vector<int> {0, 10, 11, 2, 12, 3, 13, 4}));
}

void TestRecoveryStore::keepsWhileChangedAndRemovesOnClean()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("state/plandex/recovery");
    {
        RecoveryStore store(folder);
        QVERIFY(store.isActive());
        const QString pathFile = QString(store.roomPath()).replace(".kom", ".path");
        QCOMPARE(filesIn(folder).size(), 1); // the lock

        KomRoom room = roomOf(600);
        store.spliceRows(0, -1, room.objects);
        store.keep(600, 400, "/rooms/мой.kom");
        store.waitUntilDone();
        QCOMPARE(contentOf(store.roomPath()), writeKom(room).bytes);
        QCOMPARE(contentOf(pathFile), QFile::encodeName("/rooms/мой.kom") + "\n");

        // Rows inserted, rewritten and removed; a room without a file has
        // no path file.
        const KomRoom::Object shelf {"Полка", " 1|5", " 1|5"}, bed {"Кровать", "100|200", "10|90"};
        room.width = 650;
        room.objects = {shelf, bed};
        store.spliceRows(0, 0, {shelf, shelf});
        store.spliceRows(2, 1, {bed});
        store.spliceRows(1, 1, {});
        store.keep(650, 400, {});
        store.waitUntilDone();
        QCOMPARE(contentOf(store.roomPath()), writeKom(room).bytes);
        QVERIFY(!QFile::exists(pathFile));

        // Rows change while nothing is kept, too.
        store.discard();
        store.spliceRows(0, 1, {});
        store.waitUntilDone();
        QCOMPARE(filesIn(folder).size(), 1);
        store.keep(650, 400, "/rooms/b.kom");
        store.waitUntilDone();
        room.objects = {bed};
        QCOMPARE(contentOf(store.roomPath()), writeKom(room).bytes);
        QCOMPARE(filesIn(folder).size(), 3);
    }
    // A clean exit leaves nothing, the lock file included.
    QCOMPARE(filesIn(folder), QStringList());
}

void TestRecoveryStore::offersOnlyRoomsOfCopiesThatAreGone_data()
{
    // Copies that left files, each "id:what" (see leave); "live" is a
    // running copy with a room of its own. What is offered, and which files
    // are left afterwards besides those of this copy.
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("nothing") << QStringList {} << "" << QStringList {};
    QTest::newRow("a running copy's room") << QStringList {"live"} << "" << QStringList {"live"};
    QTest::newRow("a gone copy's room, lock file left")
        << QStringList {"9-0000000a:lock room path"} << "9-0000000a"
        << QStringList {"9-0000000a.kom", "9-0000000a.lock", "9-0000000a.path"};
    QTest::newRow("a gone copy's room, no lock file") << QStringList {
        "9-0000000a:room"} << "9-0000000a" << QStringList {"9-0000000a.kom", "9-0000000a.lock"};
    QTest::newRow("a lock file alone goes")
        << QStringList {"9-0000000a:lock"} << "" << QStringList {};
    QTest::newRow("a path without a room goes")
        << QStringList {"9-0000000a:lock path"} << "" << QStringList {};
    QTest::newRow("the newest of two; the older stays")
        << QStringList {"9-00000001:lock room", "9-00000002:lock room"} << "9-00000002"
        << QStringList {"9-00000001.kom", "9-00000001.lock", "9-00000002.kom", "9-00000002.lock"};
    QTest::newRow("gone and running")
        << QStringList {"live", "9-0000000a:lock room"} << "9-0000000a"
        << QStringList {"9-0000000a.kom", "9-0000000a.lock", "live"};
}

void TestRecoveryStore::offersOnlyRoomsOfCopiesThatAreGone()
{
    QFETCH(QStringList, left);
    QFETCH(QString, offered);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    const QString folder = dir.path();
    std::unique_ptr<RecoveryStore> live;
    QStringList liveFiles;
    QDateTime time = QDateTime::currentDateTime().addSecs(-100);
    for (const QString &copy : left) {
        if (copy == "live") {
            live = std::make_unique<RecoveryStore>(folder);
            live->keep(600, 400, "/rooms/live.kom");
            live->waitUntilDone();
            liveFiles = filesIn(folder);
            continue;
        }
        const QString id = copy.section(':', 0, 0);
        leave(folder, id, copy.section(':', 1).split(' '));
        // Made one after another, whatever the clock's resolution.
        QFile room(folder + "/" + id + ".kom");
        if (room.exists()) {
            QVERIFY(room.open(QIODevice::ReadWrite));
            QVERIFY(room.setFileTime(time = time.addSecs(10), QFileDevice::FileModificationTime));
        }
    }

    RecoveryStore store(folder);
    const QString own = QFileInfo(store.roomPath()).baseName();
    {
        const std::unique_ptr<RecoveryLeftover> leftover = store.claimNewestLeftover();
        QCOMPARE(leftover ? QFileInfo(leftover->roomPath()).baseName() : QString(), offered);
        // Held by this copy: another copy starting meanwhile gets another
        // room, if any.
        RecoveryStore other(folder);
        const std::unique_ptr<RecoveryLeftover> second = other.claimNewestLeftover();
        QVERIFY(!second || QFileInfo(second->roomPath()).baseName() != offered);
    }
    const QStringList now = filesIn(folder);
    QStringList files;
    for (const QString &f : now)
        if (!f.startsWith(own + ".") && !liveFiles.contains(f))
            files << f;
    if (!liveFiles.isEmpty() && std::all_of(liveFiles.begin(), liveFiles.end(), [&](auto &f) {
            return now.contains(f);
        }))
        files << "live";
    files.sort();
    QCOMPARE(files, after);
}

void TestRecoveryStore::readsBackOrRefusesDamage_data()
{
    QTest::addColumn<QByteArray>("room");
    QTest::addColumn<QByteArray>("path"); // "none": no path file
    QTest::addColumn<bool>("sound");
    QTest::addColumn<QString>("file");
    const QByteArray good = writeKom(roomOf(600)).bytes;
    QTest::newRow("room and path")
        << good << QByteArray("/rooms/a.kom\n") << true << "/rooms/a.kom";
    QTest::newRow("no file") << good << QByteArray("none") << true << "";
    QTest::newRow("not a room file")
        << QByteArray("komfile 600|400\x01\r\n") << QByteArray("none") << false << "";
    QTest::newRow("damaged record")
        << QByteArray("komfile: 600|400\x01Стол\x02") << QByteArray("none") << false << "";
    // A path no writer gives costs the room its file, never the room.
    QTest::newRow("empty path") << good << QByteArray("") << true << "";
    QTest::newRow("relative path") << good << QByteArray("a.kom\n") << true << "";
    QTest::newRow("no line end") << good << QByteArray("/rooms/a.kom") << true << "";
    QTest::newRow("two lines") << good << QByteArray("/a.kom\n/b.kom\n") << true << "";
    QTest::newRow("a zero byte") << good << QByteArray("/a\0.kom\n", 8) << true << "";
    QTest::newRow("too long") << good << "/" + QByteArray(4096, 'a') + "\n" << true << "";
    QTest::newRow("not UTF-8") << good << QByteArray("/rooms/\xe9.kom\n") << true
                               << "/rooms/" + QString(QChar(0xDCE9)) + ".kom";
}

void TestRecoveryStore::readsBackOrRefusesDamage()
{
    QFETCH(QByteArray, room);
    QFETCH(QByteArray, path);
    QFETCH(bool, sound);
    QFETCH(QString, file);
    QTemporaryDir dir;
    QVERIFY(put(dir.filePath("9-0000000a.kom"), room));
    if (path != "none")
        QVERIFY(put(dir.filePath("9-0000000a.path"), path));
    RecoveryStore store(dir.path());
    const std::unique_ptr<RecoveryLeftover> leftover = store.claimNewestLeftover();
    QVERIFY(leftover);
    const std::optional<RecoveredRoom> read = leftover->read();
    QCOMPARE(read.has_value(), sound);
    if (sound) {
        QCOMPARE(read->room, roomOf(600));
        QCOMPARE(read->file, file);
    }
    leftover->remove();
    QCOMPARE(filesIn(dir.path()).size(), 1); // this copy's lock
}

void TestRecoveryStore::defaultFolderFollowsTheStateHome()
{
    const QByteArray state = qgetenv("XDG_STATE_HOME");
    QVERIFY(!state.isEmpty());
    QCOMPARE(RecoveryStore::defaultFolder(), QFile::decodeName(state) + "/plandex/recovery");
    qputenv("XDG_STATE_HOME", "relative/state");
    QCOMPARE(RecoveryStore::defaultFolder(), QDir::homePath() + "/.local/state/plandex/recovery");
    qputenv("XDG_STATE_HOME", state);
}

QTEST_GUILESS_MAIN(TestRecoveryStore)
#include "test_recoverystore.moc"
