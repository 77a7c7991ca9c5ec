#include "shell/mimepackage.h"

#include "shell/roomfiletype.h"

namespace plandex {

QByteArray mimePackage()
{
    // Room files are plain 8-bit text; saying so lets a desktop that does
    // not know the type still offer a text editor. The glob outweighs the
    // default of 50, so that another package claiming *.kom does not make
    // the type of a room file a matter of chance.
    const QString text
        = QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"%1\">\n"
            "    <comment>%2</comment>\n"
            "    <comment xml:lang=\"ru\">%5</comment>\n"
            "    <sub-class-of type=\"text/plain\"/>\n"
            "    <icon name=\"%3\"/>\n"
            "    <glob pattern=\"*%4\" weight=\"60\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n")
              .arg(roomMimeType, roomDescription, roomIconName, komExt, roomDescriptionRussian);
    return text.toUtf8();
}

} // namespace plandex
