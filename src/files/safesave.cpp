#include "files/safesave.h"

#include "files/filesink.h"
#include "files/savetarget.h"
#include "model/visibletext.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plandex {

namespace {

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// So that the rename itself survives a power cut. The new file is in place
// already; a folder that cannot be synced changes nothing the user can act on.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A new name beside the target, made by this call alone. Its mode is the
// old file's only once it is written: until then, only the user's. A new
// file gets the umask's mode.
int openTemporary(const QByteArray &folder, bool replacing, QByteArray &name)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = folder + (folder.endsWith('/') ? "" : "/") + ".plandex-"
            + QByteArray::number(QRandomGenerator::system()->generate(), 16) + ".tmp";
        const int fd = ::open(name.constData(),
            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, replacing ? 0600 : 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The new file takes the place of the old one for its users too: the old
// owner, group and mode, set-id and sticky bits included. Only root may
// give a file away; anyone may keep a group of their own.
void keepOwnerAndMode(int fd, const SaveTarget &old)
{
    if (::fchown(fd, old.owner, old.group) != 0)
        (void)::fchown(fd, uid_t(-1), old.group);
    // After the owner: changing it clears the set-id bits.
    ::fchmod(fd, old.mode & 07777);
}

// Writes the content to the open temporary file and gets it onto the disk;
// the system's error when any of it did not get there.
int writeAll(int fd, const SaveTarget &target, const std::function<bool(QIODevice &)> &write)
{
    FileSink sink(fd);
    errno = 0;
    const bool written = write(sink);
    const int writerError = errno;
    if (!sink.finish())
        return sink.error();
    if (!written)
        return writerError != 0 ? writerError : EIO;
    if (target.exists)
        keepOwnerAndMode(fd, target);
    // A file system that cannot sync has nothing more to tell; anything
    // else means the bytes may not be on the disk.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        return errno;
    return 0;
}

} // namespace

QString saveFailureReason(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("SafeSave", "на диске нет места");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("SafeSave", "нет прав на запись");
    case EROFS:
        return QCoreApplication::translate("SafeSave", "диск доступен только для чтения");
    case EISDIR:
        return QCoreApplication::translate("SafeSave", "это папка");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("SafeSave", "нет такой папки");
    case ENAMETOOLONG:
        return QCoreApplication::translate("SafeSave", "слишком длинное имя");
    case EFBIG:
        return QCoreApplication::translate("SafeSave", "файл слишком велик");
    default:
        break;
    }
    if (error != 0)
        return QString::fromLocal8Bit(std::strerror(error));
    return QCoreApplication::translate("SafeSave", "неизвестная ошибка");
}

QString savedFile(const QString &path)
{
    const SaveTarget target = findSaveTarget(path, Links::Follow);
    return target.refused() ? path : pathFromBytes(target.path);
}

QString saveFileSafely(
    const QString &path, const std::function<bool(QIODevice &)> &write, Links links)
{
    const SaveTarget target = findSaveTarget(path, links);
    if (!target.refusal.isEmpty())
        return target.refusal;
    if (target.error != 0)
        return saveFailureReason(target.error);

    const QByteArray folder = folderOf(target.path);
    QByteArray temporary;
    const int fd = openTemporary(folder, target.exists, temporary);
    if (fd < 0)
        return saveFailureReason(errno);
    int error = writeAll(fd, target, write);
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    // What stands at the target may have changed since it was looked at.
    if (QString refusal = error == 0 ? replaceRefusal(target.path) : QString();
        !refusal.isEmpty()) {
        ::unlink(temporary.constData());
        return refusal;
    }
    if (error == 0 && ::rename(temporary.constData(), target.path.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        return saveFailureReason(error);
    }
    syncFolder(folder);
    return {};
}

QString saveFailureMessage(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("SafeSave", "Не удалось сохранить файл %1\n%2")
        .arg(visibleText(path), reason);
}

} // namespace plandex
