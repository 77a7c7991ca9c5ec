#pragma once

class QString;

namespace plandex {

class DirList;
class DriveList;
class FileList;

// The drive, folder and file lists of a file dialog back at the program's
// working folder, where every showing of the dialog starts.
void showWorkingFolder(DriveList &drive, DirList &dir, FileList &file);
// The lists at folder; false, and nothing changed, when it cannot be listed.
bool showFolder(DriveList &drive, DirList &dir, FileList &file, const QString &folder);

} // namespace plandex
