#include "app/commandline.h"

#include "files/filepath.h"

namespace plandex {

QString commandLineText(int argc, const char *const *argv)
{
    QString text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            text += u' ';
        text += pathFromBytes(argv[i]);
    }
    return text;
}

} // namespace plandex
