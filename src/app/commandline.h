#pragma once

#include <QString>

namespace plandex {

// The raw command-line text: the arguments after the program's name joined
// with single blanks. A path with blanks typed without quotation marks
// arrives as several arguments and is joined back; a file manager passes
// it as one. The bytes of a path that is not UTF-8 are kept (see
// files/filepath.h).
QString commandLineText(int argc, const char *const *argv);

} // namespace plandex
