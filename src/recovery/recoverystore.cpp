#include "recovery/recoverystore.h"

#include "files/safesave.h"
#include "files/wholefile.h"
#include "model/visibletext.h"
#include "recovery/recoveryfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

#include <unistd.h>

namespace plandex {

using namespace recoveryfiles;

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
    return fileOf(m_folder, m_id, room);
}

std::optional<RecoveredRoom> RecoveryLeftover::read() const
{
    const WholeFile whole = ReadWholeFile(roomPath(), Links::Refuse);
    if (whole.problem != ReadProblem::None)
        return std::nullopt;
    KomReadResult kom = readKom(whole.bytes, PairBlanks::Keep);
    if (kom.error)
        return std::nullopt;
    const WholeFile pathText = ReadWholeFile(fileOf(m_folder, m_id, path), Links::Refuse);
    return RecoveredRoom {std::move(kom.room), fileOfPathText(pathText.bytes)};
}

void RecoveryLeftover::remove()
{
    // The room first: a path or a lock file without it offers nothing.
    removeFile(roomPath());
    removeFile(fileOf(m_folder, m_id, path));
    removeFile(fileOf(m_folder, m_id, lock));
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
    const QString unusable = makeOwnFolder(folder);
    for (int attempt = 0; unusable.isEmpty() && attempt < 8 && m_lockFd < 0; ++attempt) {
        m_id = newId();
        // A fresh name: an existing file of that name is another copy's.
        m_lockFd = takeLock(fileOf(m_folder, m_id, lock), true, true);
    }
    if (!isActive())
        m_problem = QCoreApplication::translate("RecoveryStore", "Папка %1 недоступна\n%2")
                        .arg(visibleText(folder),
                            unusable.isEmpty() ? saveFailureReason(errno) : unusable);
}

RecoveryStore::~RecoveryStore()
{
    if (!isActive())
        return;
    discard();
    m_worker.wait();
    // Still locked while it goes, so no other copy takes it for a dead one's.
    removeFile(fileOf(m_folder, m_id, lock));
    ::close(m_lockFd);
}

QString RecoveryStore::roomPath() const
{
    return fileOf(m_folder, m_id, room);
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

bool RecoveryStore::isKept() const
{
    const std::lock_guard lock(m_reportMutex);
    return m_kept;
}

void RecoveryStore::onWritten(std::function<void(const QString &)> report)
{
    const std::lock_guard lock(m_reportMutex);
    m_report = std::move(report);
}

void RecoveryStore::report(const QString &failure)
{
    const std::lock_guard lock(m_reportMutex);
    m_kept = failure.isEmpty();
    if (m_report)
        m_report(failure);
}

void RecoveryStore::write(const QString &file)
{
    const KomWriteResult bytes = writeKom(m_room);
    if (bytes.error)
        return report(bytes.error.describe());
    // The path first, so that a room never lacks the path it has. Killed
    // between the two, the last room but one is kept with the new path,
    // which changes no more than where saving starts.
    if (m_fileWritten != file) {
        const QString pathFile = fileOf(m_folder, m_id, path);
        const QByteArray text = pathFileText(file);
        const QString failure = text.isEmpty()
            ? (removeFile(pathFile) ? QString() : saveFailureReason(errno))
            : WriteWholeFile(pathFile, text, Links::Refuse);
        if (!failure.isEmpty())
            return report(saveFailureMessage(pathFile, failure));
        m_fileWritten = file;
    }
    const QString failure = WriteWholeFile(roomPath(), bytes.bytes, Links::Refuse);
    report(failure.isEmpty() ? failure : saveFailureMessage(roomPath(), failure));
}

void RecoveryStore::erase()
{
    removeFile(roomPath());
    removeFile(fileOf(m_folder, m_id, path));
    m_fileWritten.reset();
}

std::unique_ptr<RecoveryLeftover> RecoveryStore::claimNewestLeftover()
{
    if (!isActive())
        return nullptr;
    QSet<QString> ids;
    const QStringList names
        = QDir(m_folder).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : names) {
        if (const std::optional<QString> id = idOf(name))
            ids.insert(*id);
    }
    ids.remove(m_id);

    std::unique_ptr<RecoveryLeftover> newest;
    qint64 newestTime = 0;
    for (const QString &id : std::as_const(ids)) {
        // Its owner made the lock file before anything else: without one,
        // the owner is gone too.
        const int fd = takeLock(fileOf(m_folder, id, lock), true);
        if (fd < 0)
            continue;
        auto left = std::make_unique<RecoveryLeftover>(m_folder, id, fd);
        // Looked at only now that it is held: its owner may have cleaned up
        // since the folder was listed.
        const std::optional<qint64> time = modifiedAt(left->roomPath());
        if (!time) {
            left->remove();
            continue;
        }
        if (!newest || *time > newestTime) {
            newest = std::move(left);
            newestTime = *time;
        }
    }
    return newest;
}

} // namespace plandex
