#include "dialogs/drivelist.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <QStyle>

namespace plandex {

namespace {

bool isPseudoType(const QByteArray &type)
{
    static const QSet<QByteArray> pseudo = {
        "proc",
        "sysfs",
        "devtmpfs",
        "devpts",
        "cgroup",
        "cgroup2",
        "securityfs",
        "pstore",
        "debugfs",
        "tracefs",
        "configfs",
        "fusectl",
        "mqueue",
        "hugetlbfs",
        "bpf",
        "autofs",
        "binfmt_misc",
        "efivarfs",
        "rpc_pipefs",
        "nsfs",
        "selinuxfs",
        "rootfs",
        "ramfs",
        "fuse.gvfsd-fuse",
        "fuse.portal",
    };
    return pseudo.contains(type);
}

} // namespace

DriveList::DriveList(QWidget *parent)
    : QComboBox(parent)
{
    const QStringList roots = mountRoots();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const QString &root : roots)
        addItem(icon, root);
    setCurrentIndex(qMax(0, findText(driveOf(QDir::currentPath(), roots))));

    // Programmatic changes go through setDrive, which keeps quiet, so what
    // remains are the user's picks: mouse, keys or wheel.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_quiet && index >= 0)
            emit driveChanged(itemText(index));
    });
}

QString DriveList::drive() const
{
    return currentText();
}

bool DriveList::setDrive(const QString &root)
{
    const int index = findText(QDir::cleanPath(root));
    if (index < 0)
        return false;
    m_quiet = true;
    setCurrentIndex(index);
    m_quiet = false;
    return true;
}

QStringList DriveList::roots() const
{
    QStringList listed;
    for (int i = 0; i < count(); ++i)
        listed << itemText(i);
    return listed;
}

QString DriveList::folderForDrive(
    const QString &root, const QString &currentDir, const QStringList &roots)
{
    // A path lies on the deepest drive that holds it: "/" holds every path,
    // but not the folders of the drives mounted under it.
    const QString cleanRoot = QDir::cleanPath(root);
    const QString cwd = QDir::cleanPath(currentDir);
    return driveOf(cwd, roots) == cleanRoot ? cwd : cleanRoot;
}

QStringList DriveList::mountRoots()
{
    QStringList roots {QStringLiteral("/")};
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = QDir::cleanPath(volume.rootPath());
        // Containers bind single files such as /etc/hosts; only folders are drives.
        if (roots.contains(root) || !isListedVolume(root, volume.fileSystemType())
            || !QFileInfo(root).isDir())
            continue;
        roots << root;
    }
    roots.sort();
    return roots;
}

bool DriveList::isListedVolume(const QString &root, const QByteArray &fileSystemType)
{
    if (root == QLatin1String("/"))
        return true;
    if (!root.startsWith(u'/') || isPseudoType(fileSystemType))
        return false;
    for (const char *kernelTree : {"/proc", "/sys", "/dev"}) {
        if (isUnder(root, QLatin1String(kernelTree)))
            return false;
    }
    // /run holds the system's own tmpfs mounts, but removable media too.
    return !(fileSystemType == "tmpfs" && isUnder(root, QStringLiteral("/run")));
}

QString DriveList::driveOf(const QString &path, const QStringList &roots)
{
    const QString clean = QDir::cleanPath(path);
    QString best;
    for (const QString &root : roots) {
        if (isUnder(clean, root) && root.size() > best.size())
            best = root;
    }
    return best;
}

bool DriveList::isUnder(const QString &path, const QString &root)
{
    if (root == QLatin1String("/"))
        return path.startsWith(u'/');
    return path == root || (path.startsWith(root) && path.at(root.size()) == u'/');
}

} // namespace plandex
