#include "model/localenumber.h"

#include <cmath>

namespace plandex {

std::optional<double> localeNumber(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace plandex
