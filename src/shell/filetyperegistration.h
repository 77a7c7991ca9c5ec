#pragma once

#include <QString>
#include <QStringList>

namespace plandex {

// The user's folders that the registration writes into, and the others
// the desktop looks up a default application in.
struct XdgFolders {
    QString dataHome; // $XDG_DATA_HOME, ~/.local/share by default
    QString configHome; // $XDG_CONFIG_HOME, ~/.config by default
    QStringList configDirs = {}; // $XDG_CONFIG_DIRS, /etc/xdg by default
    QStringList dataDirs = {}; // $XDG_DATA_DIRS, /usr/local/share:/usr/share by default
    QStringList desktops = {}; // $XDG_CURRENT_DESKTOP

    static XdgFolders ofUser();
};

// Makes program (an absolute path) the handler of room files for the user
// owning folders, the freedesktop way: a MIME package, a desktop entry,
// the two icons and the default in mimeapps.list, unless a list the desktop
// looks in (the freedesktop order: the configuration folders first, then
// the data folders) sets a default already or removes ours. Files already holding the right bytes
// are left alone, the rest are replaced atomically, and anything there that is not a file is never
// read or replaced; a path that no Exec line can carry registers nothing. A database whose cache is
// older than our files is rebuilt by its tool, run to its end. Nothing is ever reported: a missing
// tool or folder that cannot be written leaves things as they were.
// Returns the files it wrote.
QStringList registerFileType(const QString &program, const XdgFolders &folders);

// The same on a worker thread, so that neither the writes, which are
// synced to disk, nor the database tools hold up the window. Returns at
// once.
void registerFileTypeInBackground(const QString &program, const XdgFolders &folders);

} // namespace plandex
