#include "app/commandline.h"

#include <QFile>

namespace plandex {

QString commandLineText(int argc, const char *const *argv)
{
    QString text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            text += u' ';
        text += QFile::decodeName(argv[i]);
    }
    return text;
}

} // namespace plandex
