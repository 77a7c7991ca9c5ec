#include "files/safesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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
        return QStringLiteral("на диске нет места");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав на запись");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    case EISDIR:
        return QStringLiteral("это папка");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("нет такой папки");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя");
    case EFBIG:
        return QStringLiteral("файл слишком велик");
    default:
        break;
    }
    if (!systemText.isEmpty())
        return systemText;
    if (error != 0)
        return QString::fromLocal8Bit(std::strerror(error));
    return QStringLiteral("неизвестная ошибка");
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

} // namespace

QString saveFileSafely(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // QSaveFile refuses a folder without a system error to tell why.
    if (QFileInfo(path).isDir())
        return reasonOf(EISDIR, {});

    QSaveFile file(path);
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
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        return reasonOf(error, file.errorString());
    }
    syncFolder(path);
    return {};
}

QString saveFailureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Не удалось сохранить файл %1\n%2").arg(path, reason);
}

} // namespace plandex
