#pragma once

#include <QByteArray>

// Another program's MIME package that claims *.kom with the default weight,
// for text as room files are, so that the contents cannot tell the two
// types apart. Named to be read before ours.
inline const char *const otherKomPackageName = "a-other.xml";
inline const QByteArray otherKomPackage
    = "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">"
      "<mime-type type=\"text/x-other-kom\"><glob pattern=\"*.kom\"/></mime-type></mime-info>\n";
