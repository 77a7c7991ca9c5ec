#include "shell/filetyperegistration.h"

#include "files/wholefile.h"
#include "shell/desktopentry.h"
#include "shell/mimeappslist.h"
#include "shell/mimepackage.h"
#include "shell/roomfiletype.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThreadPool>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace plandex {

namespace {

QByteArray resource(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes bytes to path unless it holds them already; true when it wrote.
// What is there and not a file (a fifo, a device) is not ours to replace.
bool writeIfChanged(const QString &path, const QByteArray &bytes)
{
    const WholeFile current = ReadWholeFile(path);
    if (current.problem == ReadProblem::NotRegular
        || (current.problem == ReadProblem::None && current.bytes == bytes))
        return false;
    return QDir().mkpath(QFileInfo(path).absolutePath()) && WriteWholeFile(path, bytes).isEmpty();
}

// A database tool reads every file in its folder and waits on a fifo or a
// device there for ever; with one around the rebuild waits for a start
// without it.
bool holdsOnlyFilesAndFolders(const QString &folder)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        // A dangling link is read as nothing.
        if (entry.exists() && !entry.isFile() && !entry.isDir())
            return false;
    }
    return true;
}

// A cache older than one of our files was built before it: the tool was
// missing, or we were stopped between writing the file and running it.
bool isStale(const QString &cache, const QStringList &sources)
{
    const QDateTime built = QFileInfo(cache).lastModified();
    return std::any_of(sources.begin(), sources.end(), [&built](const QString &source) {
        const QFileInfo file(source);
        return file.isFile() && (!built.isValid() || built < file.lastModified());
    });
}

// Runs a database tool to its end, its output discarded; a missing tool
// is no error, the desktop then catches up at its next rebuild. Spawned
// rather than forked: a fork of the whole program, even from this worker
// thread, stalls the window's thread for milliseconds.
void runTool(const QString &tool, const QStringList &arguments)
{
    const QByteArray path = QFile::encodeName(QStandardPaths::findExecutable(tool));
    if (path.isEmpty())
        return;
    QList<QByteArray> encoded {path};
    for (const QString &argument : arguments)
        encoded.append(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &argument : encoded)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return;
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0)
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) { }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace

XdgFolders XdgFolders::ofUser()
{
    // Qt lists the user's own folder first.
    const QStringList config
        = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QStringList data = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), config.mid(1),
        data.mid(1), qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts)};
}

QStringList registerFileType(const QString &program, const XdgFolders &folders)
{
    QStringList written;
    // An Exec line that cannot name the program would send room files
    // nowhere, or somewhere else.
    if (folders.dataHome.isEmpty() || folders.configHome.isEmpty() || !fitsExecLine(program))
        return written;
    auto write = [&written](const QString &path, const QByteArray &bytes) {
        if (!bytes.isEmpty() && writeIfChanged(path, bytes)) {
            written.append(path);
            return true;
        }
        return false;
    };

    const QString mimeDir = folders.dataHome + "/mime";
    const QString appsDir = folders.dataHome + "/applications";
    const QString hicolor = folders.dataHome + "/icons/hicolor";

    const QString package = mimeDir + "/packages/" + appId + ".xml";
    const QString entry = appsDir + "/" + desktopFileName;
    const QString appIcon = hicolor + "/scalable/apps/" + appIconName + ".svg";
    const QString roomIcon = hicolor + "/scalable/mimetypes/" + roomIconName + ".svg";
    const bool mimeChanged = write(package, mimePackage());
    const bool entryChanged = write(entry, desktopEntry(program));
    const bool appIconChanged = write(appIcon, resource(appIconResource));
    const bool roomIconChanged = write(roomIcon, resource(roomIconResource));

    const QString listPath = folders.configHome + "/mimeapps.list";
    QStringList listFolders = QStringList(folders.configHome) + folders.configDirs;
    listFolders.append(appsDir);
    for (const QString &data : folders.dataDirs)
        listFolders.append(data + "/applications");
    if (!defaultIsSettled(
            mimeappsLists(listFolders, folders.desktops), roomMimeType, desktopFileName)
        && setDefaultApplication(listPath, roomMimeType, desktopFileName))
        written.append(listPath);

    struct Database {
        QString tool;
        QStringList arguments;
        QString reads; // the folder the tool reads
        QString cache;
        QStringList sources;
        bool changed;
    };
    // An icon cache is made only by the user: a new one would hide the
    // icons that others add later without rebuilding it.
    const bool iconCache = QFileInfo::exists(hicolor + "/icon-theme.cache");
    const Database databases[] = {
        {"update-mime-database", {mimeDir}, mimeDir + "/packages", mimeDir + "/mime.cache",
            {package}, mimeChanged},
        {"update-desktop-database", {appsDir}, appsDir, appsDir + "/mimeinfo.cache", {entry},
            entryChanged},
        {"gtk-update-icon-cache", {"--force", "--ignore-theme-index", "--quiet", hicolor}, hicolor,
            hicolor + "/icon-theme.cache",
            iconCache ? QStringList {appIcon, roomIcon} : QStringList(),
            iconCache && (appIconChanged || roomIconChanged)},
    };
    for (const Database &db : databases) {
        if ((db.changed || isStale(db.cache, db.sources)) && holdsOnlyFilesAndFolders(db.reads))
            runTool(db.tool, db.arguments);
    }
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
