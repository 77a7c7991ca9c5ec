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

QStringView trimBlanks(QStringView text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && text[from] == u' ')
        ++from;
    while (to > from && text[to - 1] == u' ')
        --to;
    return text.sliced(from, to - from);
}

} // namespace plandex
