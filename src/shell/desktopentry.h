#pragma once

#include <QByteArray>
#include <QString>

namespace plandex {

// One argument of an Exec line, quoted the way desktop entries require:
// left bare when it holds no reserved character, otherwise in double
// quotes with ", `, $ and \ escaped; a literal % is always doubled.
QString execArgument(const QString &argument);

// A value as a desktop entry stores it: backslash, newline, tab and
// carriage return escaped (the key-file layer under Exec's quoting).
QString keyFileValue(const QString &value);

// Whether program, an absolute path, can be the program of an Exec line
// and still name that very file. Quoting carries any other character.
bool fitsExecLine(const QString &program);

// The desktop entry that opens room files with program (an absolute path,
// or a name looked up on PATH for the installed entry).
QByteArray desktopEntry(const QString &program);

} // namespace plandex
