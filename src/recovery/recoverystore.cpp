#include "recovery/recoverystore.h"

#include "files/safesave.h"
#include "files/wholefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plandex {

namespace {

const QString roomSuffix = QStringLiteral("kom");
const QString pathSuffix = QStringLiteral("path");
const QString lockSuffix = QStringLiteral("lock");
// No file system gives a longer path.
constexpr qsizetype maxPathBytes = 4096;

QString fileOf(const QString &folder, const QString &id, const QString &suffix)
{
    return folder + u'/' + id + u'.' + suffix;
}

int openLock(const QString &path, int flags)
{
    return ::open(QFile::encodeName(path).constData(), flags | O_RDWR | O_CLOEXEC, 0600);
}

// A lock taken on a file that was removed meanwhile guards nothing.
bool stillNamed(int fd, const QString &path)
{
    struct stat held;
    struct stat named;
    return ::fstat(fd, &held) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0
        && held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// The lock file at path, locked without waiting; -1 when another process
// holds it or it cannot be had. A missing lock file is made when create
// says so.
int takeLock(const QString &path, bool create)
{
    int fd = openLock(path, 0);
    if (fd < 0 && errno == ENOENT && create)
        fd = openLock(path, O_CREAT | O_EXCL);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !stillNamed(fd, path)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool removeIfThere(const QString &path)
{
    return QFile::remove(path) || !QFileInfo::exists(path);
}

// The path file: the path's bytes and a line end, nothing else.
std::optional<QString> readFilePath(const QString &path)
{
    const WholeFile whole = ReadWholeFile(path);
    if (whole.problem == ReadProblem::Missing)
        return QString();
    const QByteArray &b = whole.bytes;
    if (whole.problem != ReadProblem::None || b.size() < 2 || b.size() > maxPathBytes + 1
        || !b.startsWith('/') || b.indexOf('\n') != b.size() - 1 || b.contains('\0'))
        return std::nullopt;
    return QFile::decodeName(b.chopped(1));
}

} // namespace

RecoveryLeftover::RecoveryLeftover(QString folder, QString id, int lockFd)
    : m_folder(std::move(folder))
    , m_id(std::move(id))
    , m_lockFd(lockFd)
{ }

RecoveryLeftover::~RecoveryLeftover()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

QString RecoveryLeftover::roomPath() const
{
    return fileOf(m_folder, m_id, roomSuffix);
}

std::optional<RecoveredRoom> RecoveryLeftover::read() const
{
    const WholeFile whole = ReadWholeFile(roomPath());
    if (whole.problem != ReadProblem::None)
        return std::nullopt;
    KomReadResult room = readKom(whole.bytes, PairBlanks::Keep);
    std::optional<QString> file = readFilePath(fileOf(m_folder, m_id, pathSuffix));
    if (room.error || !file)
        return std::nullopt;
    return RecoveredRoom {std::move(room.room), std::move(*file)};
}

void RecoveryLeftover::remove()
{
    // The room first: a path or a lock file without it offers nothing.
    QFile::remove(roomPath());
    QFile::remove(fileOf(m_folder, m_id, pathSuffix));
    QFile::remove(fileOf(m_folder, m_id, lockSuffix));
}

QString RecoveryStore::defaultFolder()
{
    // A relative XDG_STATE_HOME is to be ignored, as the desktop rules say.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/plandex/recovery");
}

RecoveryStore::RecoveryStore(const QString &folder)
    : m_folder(folder)
{
    if (!QDir().mkpath(folder))
        return;
    // Rooms are the user's own business.
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (int attempt = 0; attempt < 8 && m_lockFd < 0; ++attempt) {
        m_id = QStringLiteral("%1-%2")
                   .arg(::getpid())
                   .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
        // A fresh name: an existing file of that name is another copy's.
        const QString lock = fileOf(m_folder, m_id, lockSuffix);
        const int fd = openLock(lock, O_CREAT | O_EXCL);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && stillNamed(fd, lock))
            m_lockFd = fd;
        else
            ::close(fd);
    }
}

RecoveryStore::~RecoveryStore()
{
    if (!isActive())
        return;
    discard();
    m_worker.wait();
    // Still locked while it goes, so no other copy takes it for a dead one's.
    QFile::remove(fileOf(m_folder, m_id, lockSuffix));
    ::close(m_lockFd);
}

QString RecoveryStore::roomPath() const
{
    return fileOf(m_folder, m_id, roomSuffix);
}

void RecoveryStore::spliceRows(int first, int removed, std::vector<KomRoom::Object> inserted)
{
    if (!isActive())
        return;
    m_worker.step([this, first, removed, inserted = std::move(inserted)]() mutable {
        std::vector<KomRoom::Object> &rows = m_room.objects;
        const auto from = rows.begin() + qBound(0, first, int(rows.size()));
        const auto to = removed < 0 ? rows.end() : from + qMin(removed, int(rows.end() - from));
        if (to - from == qsizetype(inserted.size())) {
            std::move(inserted.begin(), inserted.end(), from);
            return;
        }
        rows.insert(rows.erase(from, to), std::make_move_iterator(inserted.begin()),
            std::make_move_iterator(inserted.end()));
        if (rows.empty())
            rows.shrink_to_fit();
    });
}

void RecoveryStore::keep(int width, int height, QString file)
{
    if (!isActive())
        return;
    m_worker.post([this, width, height, file = std::move(file)] {
        m_room.width = width;
        m_room.height = height;
        write(file);
    });
}

void RecoveryStore::discard()
{
    if (isActive())
        m_worker.post([this] { erase(); });
}

void RecoveryStore::waitUntilDone()
{
    m_worker.wait();
}

void RecoveryStore::write(const QString &file)
{
    // The table holds nothing a room file cannot.
    const KomWriteResult bytes = writeKom(m_room);
    if (bytes.error)
        return;
    // The path first, so that a room never lacks the path it has. Killed
    // between the two, the last room but one is kept with the new path,
    // which changes no more than where saving starts.
    if (m_fileWritten != file) {
        const QString path = fileOf(m_folder, m_id, pathSuffix);
        const bool written = file.isEmpty()
            ? removeIfThere(path)
            : WriteWholeFile(path, QFile::encodeName(file) + '\n').isEmpty();
        if (!written)
            return;
        m_fileWritten = file;
    }
    WriteWholeFile(roomPath(), bytes.bytes);
}

void RecoveryStore::erase()
{
    QFile::remove(roomPath());
    QFile::remove(fileOf(m_folder, m_id, pathSuffix));
    m_fileWritten.reset();
}

std::unique_ptr<RecoveryLeftover> RecoveryStore::claimNewestLeftover()
{
    if (!isActive())
        return nullptr;
    QSet<QString> ids;
    for (const QString &name : QDir(m_folder).entryList(QDir::Files | QDir::Hidden)) {
        const qsizetype dot = name.indexOf(u'.');
        const QString suffix = name.mid(dot + 1);
        if (dot > 0 && (suffix == roomSuffix || suffix == pathSuffix || suffix == lockSuffix))
            ids.insert(name.left(dot));
    }
    ids.remove(m_id);

    std::unique_ptr<RecoveryLeftover> newest;
    QDateTime newestTime;
    for (const QString &id : std::as_const(ids)) {
        // Its owner made the lock file before anything else: without one,
        // the owner is gone too.
        const int fd = takeLock(fileOf(m_folder, id, lockSuffix), true);
        if (fd < 0)
            continue;
        auto left = std::make_unique<RecoveryLeftover>(m_folder, id, fd);
        // Looked at only now that it is held: its owner may have cleaned up
        // since the folder was listed.
        const QFileInfo room(left->roomPath());
        if (!room.exists()) {
            left->remove();
            continue;
        }
        if (!newest || room.lastModified() > newestTime) {
            newest = std::move(left);
            newestTime = room.lastModified();
        }
    }
    return newest;
}

} // namespace plandex
