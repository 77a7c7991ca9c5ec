#include "shell/weblink.h"

#include <QDesktopServices>
#include <QUrl>

namespace plandex {

void openWebPage()
{
    QDesktopServices::openUrl(QUrl(webTarget));
}

} // namespace plandex
