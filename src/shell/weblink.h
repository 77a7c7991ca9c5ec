#pragma once

#include <QString>

namespace plandex {

// The maker's web address, shown by the link label, and the page it opens.
inline const QString webAddress = QStringLiteral("plandex.example");
inline const QString webTarget = QStringLiteral("http://") + webAddress;

// Opens the maker's page with the desktop's handler for web addresses.
// Whether one ran is not examined: a failure changes nothing.
void openWebPage();

} // namespace plandex
