#include "files/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plandex {

namespace {

// errno must be read right after the call that failed: Qt keeps only the
// system's text, and that is English.
QString reasonOf(int error, const QString &systemText)
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
    if (!systemText.isEmpty())
        return systemText;
    if (error != 0)
        return QString::fromLocal8Bit(std::strerror(error));
    return QCoreApplication::translate("SafeSave", "неизвестная ошибка");
}

// So that the rename itself survives a power cut. The new file is in place
// already; a folder that cannot be synced changes nothing the user can act on.
void syncFolder(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The new file takes the place of the old one for its users too: the old
// owner, group and mode (Qt carries over the permission bits, not the
// set-id and sticky bits). Only root may give a file away; anyone may keep
// a group of their own.
void keepOwnerAndMode(int fd, const QString &path)
{
    struct stat old { };
    if (fd < 0 || ::stat(QFile::encodeName(path).constData(), &old) != 0)
        return;
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), old.st_gid);
    // After the owner: changing it clears the set-id bits.
    ::fchmod(fd, old.st_mode & 07777);
}

} // namespace

QString savedFile(const QString &path)
{
    // As many links as the system follows in one path.
    constexpr int maxLinks = 40;
    QString target = path;
    for (int links = 0; QFileInfo(target).isSymLink(); ++links) {
        if (links == maxLinks)
            return path;
        target = QFileInfo(target).symLinkTarget();
    }
    return target;
}

QString saveFileSafely(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // QSaveFile refuses a folder without a system error to tell why.
    if (QFileInfo(path).isDir())
        return reasonOf(EISDIR, {});

    const QString target = savedFile(path);
    QSaveFile file(target);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return reasonOf(error, file.errorString());
    }
    errno = 0;
    bool ok = write(file);
    ok = ok && file.flush();
    if (!ok) {
        const int error = errno;
        const QString text = file.errorString();
        file.cancelWriting();
        return reasonOf(error, text);
    }
    keepOwnerAndMode(file.handle(), target);
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        return reasonOf(error, file.errorString());
    }
    syncFolder(target);
    return {};
}

QString saveFailureMessage(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("SafeSave", "Не удалось сохранить файл %1\n%2")
        .arg(path, reason);
}

} // namespace plandex
