#include "files/safesave.h"
#include "files/wholefile.h"
#include "support/filebytes.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace plandex;

Q_DECLARE_METATYPE(plandex::ReadProblem)

namespace {

const QByteArray old = "komfile: 553|361\x01\r\n";

} // namespace

class TestFileWriting : public QObject
{
    Q_OBJECT

private slots:
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void read_data();
    void read();
    void saveKeepsWhatTheFileHad_data();
    void saveKeepsWhatTheFileHad();
};

void TestFileWriting::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("reason");

    QTest::newRow("read-only file system") << "readonly"
                                           << "диск доступен только для чтения";
    QTest::newRow("full disk") << "full"
                               << "на диске нет места";
    QTest::newRow("file size limit") << "limit"
                                     << "файл слишком велик";
    QTest::newRow("target is a folder") << "folder"
                                        << "это папка";
    QTest::newRow("no such folder") << "nofolder"
                                    << "нет такой папки";
    QTest::newRow("name too long") << "longname"
                                   << "слишком длинное имя";
}

void TestFileWriting::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, how);
    QFETCH(QString, reason);

    QTemporaryDir tmp;
    const QString folder = tmp.filePath("room");
    const QByteArray mountPoint = QFile::encodeName(folder);
    QVERIFY(QDir().mkpath(folder));
    // Root ignores permission bits; a read-only or full file system holds for anyone.
    const bool mounted = (how == "readonly" || how == "full")
        && ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") == 0;
    auto unmount = qScopeGuard([&] {
        if (mounted)
            ::umount(mountPoint.constData());
    });
    if ((how == "readonly" || how == "full") && !mounted)
        QSKIP("mounting a tmpfs needs root with CAP_SYS_ADMIN");

    QString target = folder + "/plan.kom";
    QVERIFY(put(how == "folder" ? folder + "/inside.kom" : target, old));
    if (how == "readonly")
        QCOMPARE(
            ::mount("tmpfs", mountPoint.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    if (how == "folder")
        target = folder;
    if (how == "nofolder")
        target = folder + "/missing/plan.kom";
    if (how == "longname")
        target = folder + "/" + QString(300, 'a');

    // Writing past a file size limit fails with EFBIG once SIGXFSZ is ignored.
    rlimit oldLimit {};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    const auto oldHandler = std::signal(SIGXFSZ, how == "limit" ? SIG_IGN : SIG_DFL);
    const rlimit small {64 * 1024, oldLimit.rlim_max};
    if (how == "limit")
        setrlimit(RLIMIT_FSIZE, &small);
    const QByteArray big(1 << 20, 'x');
    const QString got
        = saveFileSafely(target, [&big](QIODevice &file) { return file.write(big) == big.size(); });
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(got, reason);
    // The old file as it was, and no temporary file left beside it.
    QCOMPARE(contentOf(how == "folder" ? folder + "/inside.kom" : folder + "/plan.kom"), old);
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
    QVERIFY(saveFailureMessage(target, got).startsWith("Не удалось сохранить файл " + target));
}

void TestFileWriting::read_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<ReadProblem>("problem");

    QTest::newRow("room file") << "file" << ReadProblem::None;
    QTest::newRow("missing") << "missing" << ReadProblem::Missing;
    QTest::newRow("folder") << "folder" << ReadProblem::NotRegular;
    // Opening a fifo for reading would wait for a writer for ever.
    QTest::newRow("fifo") << "fifo" << ReadProblem::NotRegular;
    QTest::newRow("just over 64 MiB") << "huge" << ReadProblem::TooLarge;
}

void TestFileWriting::read()
{
    QFETCH(QString, kind);
    QFETCH(ReadProblem, problem);

    QTemporaryDir tmp;
    const QString path = tmp.filePath(kind);
    const QByteArray want = kind == "file" ? old + "\r\n\x98" : QByteArray();
    if (kind == "file")
        QVERIFY(put(path, want));
    if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QFile sparse(path);
    if (kind == "huge")
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(maxWholeFileSize + 1));

    const WholeFile got = ReadWholeFile(path);
    QCOMPARE(got.problem, problem);
    QCOMPARE(got.bytes, want);
}

void TestFileWriting::saveKeepsWhatTheFileHad_data()
{
    QTest::addColumn<QString>("old"); // none, a file, or a link in another folder to a file
    QTest::addColumn<uint>("mode"); // the old file's
    QTest::addColumn<uint>("owner"); // the old file's user and group; 0: the test's own
    QTest::addColumn<uint>("mask"); // the umask while saving
    QTest::addColumn<uint>("expected"); // the new file's mode

    QTest::newRow("new file, umask 022") << "none" << 0u << 0u << 022u << 0644u;
    QTest::newRow("new file, umask 027") << "none" << 0u << 0u << 027u << 0640u;
    QTest::newRow("another user's 0640 file") << "file" << 0640u << 12345u << 022u << 0640u;
    QTest::newRow("own 0600 file") << "file" << 0600u << 0u << 022u << 0600u;
    QTest::newRow("set-id and sticky bits") << "file" << 07750u << 12345u << 022u << 07750u;
    QTest::newRow("through a link") << "link" << 0640u << 12345u << 022u << 0640u;
}

// A replaced file keeps its owner, group and mode; a new one gets the
// umask's. Through a link the file it leads to is replaced, in its own
// folder, and the link stays.
void TestFileWriting::saveKeepsWhatTheFileHad()
{
    QFETCH(QString, old);
    QFETCH(uint, mode);
    QFETCH(uint, owner);
    QFETCH(uint, mask);
    QFETCH(uint, expected);
    if (owner != 0 && geteuid() != 0)
        QSKIP("giving a file to another user needs root");

    QTemporaryDir tmp;
    QVERIFY(QDir().mkpath(tmp.filePath("real")) && QDir().mkpath(tmp.filePath("links")));
    const QString target = tmp.filePath("real/plan.kom");
    const QByteArray targetName = QFile::encodeName(target);
    if (old != "none") {
        QVERIFY(put(target, ::old));
        QCOMPARE(
            ::chown(targetName.constData(), owner ? owner : geteuid(), owner ? owner : getegid()),
            0);
        QCOMPARE(::chmod(targetName.constData(), mode), 0);
    }
    const QString path = old == "link" ? tmp.filePath("links/plan.kom") : target;
    if (old == "link")
        QCOMPARE(::symlink("../real/plan.kom", QFile::encodeName(path).constData()), 0);

    const mode_t before = ::umask(mask);
    const QString got
        = saveFileSafely(path, [](QIODevice &file) { return file.write("new") == 3; });
    ::umask(before);

    QCOMPARE(got, QString());
    QCOMPARE(contentOf(target), QByteArray("new"));
    QCOMPARE(savedFile(path), target);
    QCOMPARE(QFileInfo(path).isSymLink(), old == "link");
    QCOMPARE(QDir(tmp.filePath("real")).entryList(QDir::Files), QStringList {"plan.kom"});
    struct stat now { };
    QCOMPARE(::stat(targetName.constData(), &now), 0);
    QCOMPARE(uint(now.st_mode & 07777), expected);
    QCOMPARE(uint(now.st_uid), owner ? owner : uint(geteuid()));
    QCOMPARE(uint(now.st_gid), owner ? owner : uint(getegid()));
}

QTEST_GUILESS_MAIN(TestFileWriting)
#include "test_filewriting.moc"
