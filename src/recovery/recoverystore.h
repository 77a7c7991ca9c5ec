#pragma once

#include "files/komfile.h"
#include "recovery/latestjob.h"

#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace plandex {

// A room kept for recovery, and the file it belongs to (empty when none).
struct RecoveredRoom {
    KomRoom room;
    QString file;
};

// The recovery files of a copy of the program that is gone. While this
// object lives it holds that copy's lock, so that no other copy starting
// meanwhile offers the same room.
class RecoveryLeftover
{
public:
    RecoveryLeftover(QString folder, QString id, int lockFd);
    // Lets the lock go; the files stay for a later start.
    ~RecoveryLeftover();
    RecoveryLeftover(const RecoveryLeftover &) = delete;
    RecoveryLeftover &operator=(const RecoveryLeftover &) = delete;

    QString roomPath() const;
    // The room and its file; nothing when the room is damaged. A path file
    // that cannot be read gives a room without a file.
    std::optional<RecoveredRoom> read() const;
    void remove();

private:
    QString m_folder;
    QString m_id;
    int m_lockFd;
};

// This copy's recovery files in a folder of its own under the user's state
// folder: the room with its unsaved changes (the bytes of a room file) and
// the absolute path of the file it belongs to. Files are written through
// the safe writer on a thread of their own, so the caller never waits for
// the disk.
//
// Every running copy names its files with an id of its own (see
// recoveryfiles.h) and holds an advisory lock on its lock file for as long
// as it runs; the system drops the lock when the process ends in any way.
// Files whose lock can be taken were left by a copy that is gone, however
// the process ids were reused.
class RecoveryStore
{
public:
    // $XDG_STATE_HOME/plandex/recovery, or ~/.local/state/plandex/recovery.
    static QString defaultFolder();

    explicit RecoveryStore(const QString &folder);
    // Removes this copy's files: a clean exit leaves nothing to recover.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // False when the folder could not be made or locked; nothing is kept.
    bool isActive() const { return m_lockFd >= 0; }
    // Why nothing is kept, for the user; empty while active.
    QString problem() const { return m_problem; }
    QString roomPath() const;

    // The rows of the room, told of every change of the editor's table in
    // order, so that keeping the room costs its caller only what changed:
    // from row first, removed rows go (all that follow with -1) and
    // inserted ones take their place.
    void spliceRows(int first, int removed, std::vector<KomRoom::Object> inserted);
    // Writes the room as the rows stand, with this size and belonging to
    // file, as this copy's recovery file. Only the newest matters: a room
    // not yet written when the next one comes is never written.
    void keep(int width, int height, QString file);
    // Removes this copy's recovery files.
    void discard();
    // Returns when what was asked last is done.
    void waitUntilDone();
    // Whether the room last written was written whole: false before any,
    // and after a failure until the next write succeeds.
    bool isKept() const;
    // Called on the writing thread after every write of the room, with the
    // reason it failed for the user, or an empty text. Unset it before the
    // one it calls goes.
    void onWritten(std::function<void(const QString &failure)> report);

    // The newest recovery file of a copy that is gone, held for this copy;
    // null when there is none. Lock files of such copies that left no room
    // are removed on the way; older rooms stay for later starts.
    std::unique_ptr<RecoveryLeftover> claimNewestLeftover();

private:
    // On the writing thread.
    void write(const QString &file);
    void erase();
    void report(const QString &failure);

    QString m_folder;
    QString m_id;
    int m_lockFd = -1;
    QString m_problem;
    // Known only on the writing thread: the room as the changes so far
    // left it, and the file path as last written.
    KomRoom m_room;
    std::optional<QString> m_fileWritten;
    mutable std::mutex m_reportMutex;
    std::function<void(const QString &)> m_report;
    bool m_kept = false;
    // Last, so that it is gone before the members its jobs use.
    LatestJobWorker m_worker;
};

} // namespace plandex
