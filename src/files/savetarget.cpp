#include "files/savetarget.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace plandex {

namespace {

// As many links as the system follows in one path.
constexpr int maxLinks = 40;

QString notRegular()
{
    return QCoreApplication::translate("SafeSave", "это не обычный файл");
}

QList<QByteArray> componentsOf(const QByteArray &path)
{
    QList<QByteArray> parts = path.split('/');
    parts.removeAll(QByteArray());
    parts.removeAll(QByteArrayLiteral("."));
    return parts;
}

// The kernel's rule for protected links: in a sticky folder that anyone
// may write, a link is followed only when it belongs to the one following
// it or to the folder's owner.
bool mayFollow(const QByteArray &folder, const struct stat &link)
{
    struct stat dir;
    if (::stat(folder.isEmpty() ? "/" : folder.constData(), &dir) != 0)
        return false;
    const bool shared = (dir.st_mode & S_ISVTX) && (dir.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == dir.st_uid;
}

QByteArray linkTarget(const QByteArray &link)
{
    QByteArray target(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink(link.constData(), target.data(), size_t(target.size()));
        if (n < 0)
            return {};
        if (n < target.size())
            return target.left(n);
        target.resize(target.size() * 2);
    }
}

} // namespace

SaveTarget findSaveTarget(const QString &path, Links links)
{
    SaveTarget t;
    const QByteArray given = absolutePathBytes(path);
    t.path = given;
    QByteArray done; // resolved so far, without the final "/"; empty: the root
    QList<QByteArray> rest = componentsOf(given);
    int followed = 0;
    while (!rest.isEmpty()) {
        const QByteArray name = rest.takeFirst();
        if (name == "..") {
            done.truncate(std::max<qsizetype>(0, done.lastIndexOf('/')));
            continue;
        }
        const QByteArray next = done + '/' + name;
        struct stat st;
        if (::lstat(next.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            done = next;
            continue;
        }
        if (links == Links::Refuse && rest.isEmpty()) {
            t.refusal = QCoreApplication::translate("SafeSave", "это ссылка");
            return t;
        }
        if (++followed > maxLinks) {
            t.error = ELOOP;
            return t;
        }
        if (!mayFollow(done, st)) {
            t.refusal = QCoreApplication::translate(
                "SafeSave", "ссылка в общей папке принадлежит другому пользователю");
            return t;
        }
        const QByteArray target = linkTarget(next);
        if (target.isEmpty()) {
            t.error = errno ? errno : ENOENT;
            return t;
        }
        if (target.startsWith('/'))
            done.clear();
        rest = componentsOf(target) + rest;
    }
    t.path = done.isEmpty() ? QByteArrayLiteral("/") : done;

    struct stat st;
    if (::lstat(t.path.constData(), &st) != 0) {
        if (errno != ENOENT)
            t.error = errno;
        return t;
    }
    t.exists = true;
    t.owner = st.st_uid;
    t.group = st.st_gid;
    t.mode = st.st_mode;
    if (S_ISDIR(st.st_mode))
        t.error = EISDIR;
    else if (!S_ISREG(st.st_mode))
        t.refusal = notRegular();
    return t;
}

QString replaceRefusal(const QByteArray &path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0 ? errno == ENOENT : S_ISREG(st.st_mode))
        return {};
    return notRegular();
}

} // namespace plandex
