#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace plandex {

// The files of the recovery folder, by the names this program gives them:
// <id>.kom (the room), <id>.path (the path of its file) and <id>.lock, with
// an id of a process number and eight hexadecimal digits. Nothing in the
// folder is ever reached through a link.
namespace recoveryfiles {

inline const QString room = QStringLiteral("kom");
inline const QString path = QStringLiteral("path");
inline const QString lock = QStringLiteral("lock");

QString fileOf(const QString &folder, const QString &id, const QString &suffix);
// A fresh id for this process.
QString newId();
// The id of a file name this program could have given, or nothing.
std::optional<QString> idOf(const QString &fileName);

// Makes the folder unless it is there; why it cannot be used, or an empty
// text. A folder there already keeps the mode its maker gave it, and one
// reached through a link is refused.
QString makeOwnFolder(const QString &folder);

// The lock file at path, locked without waiting; -1 when another process
// holds it or it cannot be had. A missing lock file is made when create
// says so; with exclusive, only a new one is taken.
int takeLock(const QString &path, bool create, bool exclusive = false);

// The path file's text for file: its absolute path and a line end; empty
// for a room without a file, or with a path that the file cannot hold.
QByteArray pathFileText(const QString &file);
// The file a path file names: empty for none, or for a text no writer
// gives (a relative path, or a line too many), which costs the room its
// file but never the room itself.
QString fileOfPathText(const QByteArray &text);

bool removeFile(const QString &path);
// The modification time of a regular file (not a link) in nanoseconds;
// nothing when there is none.
std::optional<qint64> modifiedAt(const QString &path);

} // namespace recoveryfiles

} // namespace plandex
