#include "recovery/recoveryfiles.h"

#include "files/filepath.h"
#include "files/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plandex::recoveryfiles {

namespace {

// No file system gives a longer path.
constexpr qsizetype maxPathBytes = 4096;

int openLock(const QString &path, int flags)
{
    return ::open(pathBytes(path).constData(), flags | O_RDWR | O_NOFOLLOW | O_CLOEXEC, 0600);
}

// A lock taken on a file that was removed meanwhile guards nothing.
bool stillNamed(int fd, const QString &path)
{
    struct stat held;
    struct stat named;
    return ::fstat(fd, &held) == 0 && ::lstat(pathBytes(path).constData(), &named) == 0
        && held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

QString fileOf(const QString &folder, const QString &id, const QString &suffix)
{
    return folder + u'/' + id + u'.' + suffix;
}

QString newId()
{
    return QStringLiteral("%1-%2")
        .arg(::getpid())
        .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
}

std::optional<QString> idOf(const QString &fileName)
{
    static const QRegularExpression ours(
        QStringLiteral("^([0-9]+-[0-9a-f]{8})\\.(kom|path|lock)$"));
    const QRegularExpressionMatch match = ours.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

QString makeOwnFolder(const QString &folder)
{
    const QByteArray path = pathBytes(folder);
    errno = 0;
    if (!QDir().mkpath(QFileInfo(folder).absolutePath()))
        return saveFailureReason(errno);
    // Rooms are the user's own business.
    if (::mkdir(path.constData(), 0700) == 0)
        return {};
    if (errno != EEXIST)
        return saveFailureReason(errno);
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return saveFailureReason(errno);
    if (S_ISLNK(st.st_mode))
        return QCoreApplication::translate("SafeSave", "это ссылка");
    if (!S_ISDIR(st.st_mode))
        return QCoreApplication::translate("RecoveryStore", "это не папка");
    return {};
}

int takeLock(const QString &path, bool create, bool exclusive)
{
    int fd = exclusive ? -1 : openLock(path, 0);
    if (exclusive || (fd < 0 && errno == ENOENT && create))
        fd = openLock(path, O_CREAT | O_EXCL);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !stillNamed(fd, path)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

QByteArray pathFileText(const QString &file)
{
    if (file.isEmpty())
        return {};
    const QByteArray bytes = absolutePathBytes(file);
    if (bytes.contains('\n') || bytes.contains('\0') || bytes.size() > maxPathBytes)
        return {};
    return bytes + '\n';
}

QString fileOfPathText(const QByteArray &b)
{
    if (b.size() < 2 || b.size() > maxPathBytes + 1 || !b.startsWith('/')
        || b.indexOf('\n') != b.size() - 1 || b.contains('\0'))
        return {};
    return pathFromBytes(b.chopped(1));
}

bool removeFile(const QString &path)
{
    return ::unlink(pathBytes(path).constData()) == 0 || errno == ENOENT;
}

std::optional<qint64> modifiedAt(const QString &path)
{
    struct stat st;
    if (::lstat(pathBytes(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

} // namespace plandex::recoveryfiles
