#include "dialogs/folderlists.h"

#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"

#include <QDir>

namespace plandex {

void showWorkingFolder(DriveList &drive, DirList &dir, FileList &file)
{
    const QString cwd = QDir::currentPath();
    drive.setDrive(DriveList::driveOf(cwd, DriveList::mountRoots()));
    dir.setPath(cwd);
    file.setPath(cwd);
}

} // namespace plandex
