#include "dialogs/folderlists.h"

#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"

#include <QDir>
#include <QFileInfo>

namespace plandex {

void showWorkingFolder(DriveList &drive, DirList &dir, FileList &file)
{
    showFolder(drive, dir, file, QDir::currentPath());
}

bool showFolder(DriveList &drive, DirList &dir, FileList &file, const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        return false;
    drive.setDrive(DriveList::driveOf(folder, DriveList::mountRoots()));
    dir.setPath(folder);
    file.setPath(folder);
    return true;
}

} // namespace plandex
