#include "files/safesave.h"
#include "files/wholefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace plandex;

Q_DECLARE_METATYPE(plandex::ReadProblem)

namespace {

const QByteArray oldContent = "komfile: 553|361\x01\r\n";

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A small tmpfs mounted for one test row, unmounted when it goes.
struct Mount {
    QByteArray path;
    bool mounted = false;
    Mount(const QString &where, const char *options)
        : path(QFile::encodeName(where))
    {
        mounted = ::mount("tmpfs", path.constData(), "tmpfs", 0, options) == 0;
    }
    bool remountReadOnly()
    {
        return ::mount("tmpfs", path.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    ~Mount()
    {
        if (mounted)
            ::umount(path.constData());
    }
};

// A file size limit for this process, with the signal that would end it
// ignored, so that writing past it fails with EFBIG; undone when it goes.
struct FileSizeLimit {
    rlimit old {};
    void (*oldHandler)(int) = SIG_DFL;
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small {bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
};

} // namespace

class TestFileWriting : public QObject
{
    Q_OBJECT

private slots:
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void saveReplacesTheFile();
    void read_data();
    void read();
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
    QVERIFY(tmp.isValid());
    const QString folder = tmp.filePath("room");
    QVERIFY(QDir().mkpath(folder));
    QString target = folder + "/plan.kom";
    std::unique_ptr<Mount> mount;
    std::unique_ptr<FileSizeLimit> limit;
    const QByteArray big(1 << 20, 'x');

    if (how == "readonly" || how == "full") {
        mount = std::make_unique<Mount>(folder, "size=64k");
        if (!mount->mounted)
            QSKIP("cannot mount a tmpfs here (needs root with CAP_SYS_ADMIN)");
    }
    if (how != "folder" && how != "nofolder" && how != "longname")
        QVERIFY(put(target, oldContent));
    if (how == "readonly")
        QVERIFY(mount->remountReadOnly());
    if (how == "folder") {
        target = folder;
        QVERIFY(put(folder + "/inside.kom", oldContent));
    }
    if (how == "nofolder")
        target = tmp.filePath("missing/plan.kom");
    if (how == "longname")
        target = folder + "/" + QString(300, 'a') + ".kom";
    if (how == "limit")
        limit = std::make_unique<FileSizeLimit>(64 * 1024);

    const QString got
        = saveFileSafely(target, [&big](QIODevice &file) { return file.write(big) == big.size(); });
    limit.reset();

    QCOMPARE(got, reason);
    if (how == "folder") {
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(contentOf(folder + "/inside.kom"), oldContent);
    } else if (how == "nofolder" || how == "longname") {
        QVERIFY(!QFile::exists(target));
    } else {
        QCOMPARE(contentOf(target), oldContent);
    }
    // No temporary file is left behind.
    if (how != "readonly")
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(),
            how == "longname" || how == "nofolder" ? 0 : 1);
    QVERIFY(saveFailureMessage(target, got).startsWith("Не удалось сохранить файл " + target));
}

void TestFileWriting::saveReplacesTheFile()
{
    QTemporaryDir tmp;
    const QString target = tmp.filePath("plan.kom");
    QVERIFY(put(target, QByteArray(5000, 'o')));
    QCOMPARE(WriteWholeFile(target, oldContent), QString());
    QCOMPARE(contentOf(target), oldContent);
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files), QStringList {"plan.kom"});
}

void TestFileWriting::read_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<ReadProblem>("problem");

    QTest::newRow("room file") << "file" << ReadProblem::None;
    QTest::newRow("empty file") << "empty" << ReadProblem::None;
    QTest::newRow("missing") << "missing" << ReadProblem::Missing;
    QTest::newRow("empty path") << "" << ReadProblem::Missing;
    QTest::newRow("folder") << "folder" << ReadProblem::NotRegular;
    // Opening a fifo for reading would wait for a writer for ever.
    QTest::newRow("fifo") << "fifo" << ReadProblem::NotRegular;
    QTest::newRow("device") << "/dev/zero" << ReadProblem::NotRegular;
    QTest::newRow("just over 64 MiB") << "huge" << ReadProblem::TooLarge;
}

void TestFileWriting::read()
{
    QFETCH(QString, kind);
    QFETCH(ReadProblem, problem);

    QTemporaryDir tmp;
    const bool given = kind.startsWith('/') || kind.isEmpty();
    const QString path = given ? kind : tmp.filePath(kind);
    QByteArray want;
    if (kind == "file")
        QVERIFY(put(path, want = oldContent + "\r\n\x98"));
    if (kind == "empty")
        QVERIFY(put(path, want));
    if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (kind == "huge") {
        // Sparse: takes no disk space.
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(maxWholeFileSize + 1));
    }

    const WholeFile got = ReadWholeFile(path);
    QCOMPARE(got.problem, problem);
    QCOMPARE(got.bytes, want);
}

QTEST_GUILESS_MAIN(TestFileWriting)
#include "test_filewriting.moc"
