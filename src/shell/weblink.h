#pragma once

#include <QString>

namespace plandex {

// The maker's web address, shown by the link label, and the page it opens.
inline const QString webAddress = QStringLiteral("plandex.example");
inline const QString webTarget = QStringLiteral("http://") + webAddress;

} // namespace plandex
