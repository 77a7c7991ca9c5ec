#pragma once

#include <QString>

namespace plandex {

// The raw command-line text: the arguments after the program's name joined
// with single blanks. A path with blanks typed without quotation marks
// arrives as several arguments and is joined back; a file manager passes
// it as one.
QString commandLineText(int argc, const char *const *argv);

} // namespace plandex
