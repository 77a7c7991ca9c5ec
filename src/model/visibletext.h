#pragma once

#include <QString>

namespace plandex {

// Names and paths come from files and folders that anyone may have made.
// Where the window shows one among its own words (the caption, a message,
// a menu item), a control character would break the line and a
// bidirectional format character would turn the text around and show
// another name: each shows as a visible escape ("\u000A", "\u202E")
// instead, and a byte of a path that is not UTF-8 (held as a lone
// surrogate, see files/filepath.h) as "\xE9". What is stored stays as it is.
QString visibleText(QStringView text);

} // namespace plandex
