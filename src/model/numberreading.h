#pragma once

#include <QStringView>
#include <QtGlobal>

#include <limits>
#include <optional>

namespace plandex {

// The value of the number a text begins with. Blanks, tabs and line feeds
// are skipped wherever they stand; a sign, one decimal point (always ".")
// and an exponent are read; reading stops at the first character that
// cannot continue the number. A text that does not begin with a number
// gives 0. Empty when the number is too large for a double.
std::optional<double> leadingNumberValue(QStringView text);

// Nearest whole number, halves to the even neighbour; empty when the
// result does not fit a signed 32-bit integer.
std::optional<qint32> roundToInt32(double value);

// leadingNumberValue followed by roundToInt32.
std::optional<qint32> leadingInt32(QStringView text);

// The two numbers of a coordinate pair text "first|second". The first is
// read from the text up to and including the first "|", the second from
// everything after it (the whole text when there is no "|"). An empty
// value means "does not fit": the reader keeps its previous value.
struct PairValues {
    std::optional<qint32> first;
    std::optional<qint32> second;

    bool operator==(const PairValues &) const = default;
};

PairValues readPair(QStringView text);

// Whether a sum or difference of 32-bit numbers fits 32 bits again.
inline bool fitsInt32(qint64 value)
{
    return value >= std::numeric_limits<qint32>::min()
        && value <= std::numeric_limits<qint32>::max();
}

// Assigns a read value, leaving the target as it was when the value did
// not fit.
inline void assignIfRead(qint32 &target, std::optional<qint32> value)
{
    if (value)
        target = *value;
}

} // namespace plandex
