#pragma once

#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

#include <utility>

// HOME and the XDG folders of a private home inside root, made on the way;
// the runtime folder is the user's alone, as the desktop's rules want it.
// The session bus is one in that runtime folder where none listens: with
// none named, the D-Bus library launches one by forking from a thread of
// the program, and under the sanitizers such a child can hang before it
// runs anything, holding up the program's start.
inline QList<std::pair<const char *, QString>> privateFolders(const QString &root)
{
    QList<std::pair<const char *, QString>> folders {
        {"HOME", root + "/home"},
        {"XDG_DATA_HOME", root + "/home/.local/share"},
        {"XDG_CONFIG_HOME", root + "/home/.config"},
        {"XDG_CACHE_HOME", root + "/home/.cache"},
        {"XDG_STATE_HOME", root + "/home/.local/state"},
        {"XDG_RUNTIME_DIR", root + "/runtime"},
    };
    for (const auto &folder : folders)
        QDir().mkpath(folder.second);
    QFile::setPermissions(
        root + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    folders.append({"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + root + "/runtime/bus"});
    return folders;
}

// Points HOME and the XDG folders of this process, and of the programs it
// starts, into a private home inside root.
inline void usePrivateFolders(const QString &root)
{
    for (const auto &[variable, folder] : privateFolders(root))
        qputenv(variable, QFile::encodeName(folder));
}
