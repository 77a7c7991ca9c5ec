#include "numberreadingcheck.h"

#include "model/numberreading.h"

#include <cmath>
#include <cstring>

namespace plandex {

namespace {

QString shown(std::optional<double> v)
{
    return v ? QString::number(*v, 'g', 17) : QStringLiteral("none");
}

QString mismatch(const char *what, std::optional<double> a, std::optional<double> b)
{
    return QStringLiteral("%1: %2 against %3").arg(QLatin1String(what), shown(a), shown(b));
}

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

} // namespace

QString checkNumberReading(QByteArrayView bytes)
{
    const QString text = QString::fromLatin1(bytes.data(), bytes.size());
    const std::optional<double> value = leadingNumberValue(text);
    if (value && !std::isfinite(*value))
        return QStringLiteral("a reading that is not finite");

    // The whole-number shortcut must agree with the general rule.
    const std::optional<qint32> whole = leadingInt32(text);
    const std::optional<qint32> expected = value ? roundToInt32(*value) : std::nullopt;
    if (whole != expected)
        return QStringLiteral("leadingInt32 %1, rounded reading %2")
            .arg(whole ? QString::number(*whole) : QStringLiteral("none"),
                expected ? QString::number(*expected) : QStringLiteral("none"));

    // Blanks, tabs and line feeds count nowhere.
    QString compact = text;
    compact.removeIf(isSkipped);
    if (leadingNumberValue(compact) != value)
        return mismatch("without blanks", leadingNumberValue(compact), value);

    // A bar ends any number; it is how a pair's first number is read.
    if (leadingNumberValue(text + u'|') != value)
        return mismatch("with a bar after it", leadingNumberValue(text + u'|'), value);
    if (!text.contains(u'|')) {
        const PairValues pair = readPair(text + u'|' + text);
        if (pair.first != whole || pair.second != whole)
            return QStringLiteral("a pair of the text twice reads differently");
    }

    // A value read back from its own shortest exact text is the same value.
    if (value) {
        const QString again = QString::number(*value, 'g', 17);
        if (leadingNumberValue(again) != value)
            return mismatch("read back", leadingNumberValue(again), value);
    }

    // A minus sign in front of an unsigned number negates it.
    if (!compact.isEmpty() && (compact[0].isDigit() || compact[0] == u'.')
        && compact[0].unicode() < 128) {
        const std::optional<double> negated = leadingNumberValue(u'-' + text);
        const std::optional<double> want = value ? std::optional(-*value) : std::nullopt;
        if (negated != want)
            return mismatch("negated", negated, want);
    }
    return {};
}

} // namespace plandex
