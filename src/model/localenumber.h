#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace plandex {

// A number as the user types it: blanks around it, a sign, digits with the
// locale's decimal and group separators, an exponent. Empty when the text
// is not such a number (also for an empty text, infinity or NaN).
std::optional<double> localeNumber(const QString &text, const QLocale &locale = QLocale());

} // namespace plandex
