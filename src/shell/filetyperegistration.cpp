#include "shell/filetyperegistration.h"

#include "files/wholefile.h"
#include "shell/desktopentry.h"
#include "shell/mimeappslist.h"
#include "shell/mimepackage.h"
#include "shell/roomfiletype.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThreadPool>

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;
namespace plandex {

namespace {

QByteArray readAll(const QString &path, bool *ok = nullptr)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened || !file.exists();
    return opened ? file.readAll() : QByteArray();
}

// Writes bytes to path unless it holds them already; true when it wrote.
bool writeIfChanged(const QString &path, const QByteArray &bytes)
{
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.size() == bytes.size()
        && current.readAll() == bytes)
        return false;
    current.close();
    return QDir().mkpath(QFileInfo(path).absolutePath()) && WriteWholeFile(path, bytes).isEmpty();
}

// Runs a database tool to its end, its output discarded; a missing tool
// is no error, the desktop then catches up at its next rebuild. Spawned
// rather than forked: a fork of the whole program, even from this worker
// thread, stalls the window's thread for milliseconds.
void runTool(const QString &tool, const QString &folder)
{
    const QByteArray path = QFile::encodeName(QStandardPaths::findExecutable(tool));
    if (path.isEmpty())
        return;
    const QByteArray argument = QFile::encodeName(folder);
    char *const argv[]
        = {const_cast<char *>(path.constData()), const_cast<char *>(argument.constData()), nullptr};
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return;
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ) == 0)
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) { }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace

XdgFolders XdgFolders::ofUser()
{
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)};
}

QStringList registerFileType(const QString &program, const XdgFolders &folders)
{
    QStringList written;
    auto write = [&written](const QString &path, const QByteArray &bytes) {
        if (!bytes.isEmpty() && writeIfChanged(path, bytes)) {
            written.append(path);
            return true;
        }
        return false;
    };
    if (folders.dataHome.isEmpty() || folders.configHome.isEmpty())
        return written;

    const QString mimeDir = folders.dataHome + "/mime";
    const QString appsDir = folders.dataHome + "/applications";
    const QString icons = folders.dataHome + "/icons/hicolor/scalable/";

    const QString package = mimeDir + "/packages/" + appId + ".xml";
    const QString entry = appsDir + "/" + desktopFileName;
    const bool mimeChanged = write(package, mimePackage());
    const bool entryChanged = write(entry, desktopEntry(program));
    write(icons + "apps/" + appIconName + ".svg", readAll(appIconResource));
    write(icons + "mimetypes/" + roomIconName + ".svg", readAll(roomIconResource));

    // An unreadable list is left alone rather than replaced by our line.
    const QString listPath = folders.configHome + "/mimeapps.list";
    bool readable = false;
    const QByteArray list = readAll(listPath, &readable);
    if (readable)
        write(listPath, withDefaultApplication(list, roomMimeType, desktopFileName));

    // A database that is missing while our file is there was never built
    // (the tool was missing, or we were stopped before it ran).
    if (mimeChanged || (QFile::exists(package) && !QFile::exists(mimeDir + "/mime.cache")))
        runTool("update-mime-database", mimeDir);
    if (entryChanged || (QFile::exists(entry) && !QFile::exists(appsDir + "/mimeinfo.cache")))
        runTool("update-desktop-database", appsDir);
    return written;
}

void registerFileTypeInBackground(const QString &program, const XdgFolders &folders)
{
    // The global pool is waited for when the program ends, so a write
    // under way is finished, not cut off.
    QThreadPool::globalInstance()->start(
        [program, folders] { registerFileType(program, folders); });
}

} // namespace plandex
