#include "model/pairtext.h"

#include <QLocale>

#include <cmath>

namespace plandex {

QString withLeadingBlank(qint64 n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString createdPair(qint64 first, qint64 second)
{
    return withLeadingBlank(first) + QLatin1Char('|') + QString::number(second);
}

QString editedPair(qint64 first, qint64 second)
{
    return withLeadingBlank(first) + QLatin1Char('|') + withLeadingBlank(second);
}

QString numberText(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace plandex
