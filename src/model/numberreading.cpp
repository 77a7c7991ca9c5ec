#include "model/numberreading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace plandex {

namespace {

bool isSkipped(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The accepted prefix of a number, compacted to ASCII for from_chars.
struct Scanned {
    std::string mantissa; // digits and at most one '.', sign excluded
    bool negative = false;
    bool hasDigit = false;
    long long exponent = 0; // saturated, so absurd exponents cannot wrap
};

Scanned scan(QStringView text)
{
    enum class State { Start, Sign, Integer, Fraction, ExpStart, ExpSign, ExpDigits };
    Scanned s;
    State state = State::Start;
    bool expNegative = false;
    long long exponent = 0;

    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (isSkipped(c))
            continue;
        bool goOn = true;
        switch (state) {
        case State::Start:
        case State::Sign:
            if (state == State::Start && (c == u'+' || c == u'-')) {
                s.negative = c == u'-';
                state = State::Sign;
            } else if (isDigit(c)) {
                s.mantissa += char(c);
                s.hasDigit = true;
                state = State::Integer;
            } else if (c == u'.') {
                s.mantissa += '.';
                state = State::Fraction;
            } else {
                goOn = false;
            }
            break;
        case State::Integer:
        case State::Fraction:
            if (isDigit(c)) {
                s.mantissa += char(c);
                s.hasDigit = true;
            } else if (c == u'.' && state == State::Integer) {
                s.mantissa += '.';
                state = State::Fraction;
            } else if ((c == u'e' || c == u'E') && s.hasDigit) {
                state = State::ExpStart;
            } else {
                goOn = false;
            }
            break;
        case State::ExpStart:
            if (c == u'+' || c == u'-') {
                expNegative = c == u'-';
                state = State::ExpSign;
                break;
            }
            [[fallthrough]];
        case State::ExpSign:
        case State::ExpDigits:
            if (isDigit(c)) {
                if (exponent < 100000)
                    exponent = exponent * 10 + (c - u'0');
                state = State::ExpDigits;
            } else {
                goOn = false;
            }
            break;
        }
        if (!goOn)
            break;
    }
    // An "e" without digits is not part of the number.
    if (state == State::ExpDigits)
        s.exponent = expNegative ? -exponent : exponent;
    return s;
}

// Decimal order of magnitude of the scanned number, to tell an overflow
// from an underflow when from_chars reports the value out of range.
long long decimalMagnitude(const Scanned &s)
{
    const auto point = s.mantissa.find('.');
    const std::string integer = s.mantissa.substr(0, point);
    const auto firstNonZero = integer.find_first_not_of('0');
    if (firstNonZero != std::string::npos)
        return static_cast<long long>(integer.size() - firstNonZero) + s.exponent;
    if (point == std::string::npos)
        return -1;
    const std::string fraction = s.mantissa.substr(point + 1);
    const auto leadingZeros = fraction.find_first_not_of('0');
    if (leadingZeros == std::string::npos)
        return -1; // the number is zero
    return -static_cast<long long>(leadingZeros) + s.exponent;
}

} // namespace

std::optional<double> leadingNumberValue(QStringView text)
{
    const Scanned s = scan(text);
    if (!s.hasDigit)
        return 0.0;

    std::string number = s.mantissa;
    if (s.exponent != 0)
        number += 'e' + std::to_string(s.exponent);

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (decimalMagnitude(s) > 0)
            return std::nullopt;
        value = 0.0;
    } else if (error != std::errc()) {
        return 0.0;
    }
    return s.negative ? -value : value;
}

std::optional<qint32> roundToInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < double(std::numeric_limits<qint32>::min())
        || whole > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return static_cast<qint32>(whole);
}

namespace {

// The common case of a plain whole number of at most nine digits, read
// without the general scanner; empty when the text is not of that form.
std::optional<qint32> plainInt(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    const bool negative = i < n && text[i] == u'-';
    if (negative)
        ++i;
    const qsizetype first = i;
    qint32 value = 0;
    while (i < n && i - first < 9 && isDigit(text[i].unicode()))
        value = value * 10 + (text[i++].unicode() - u'0');
    if (i == first)
        return std::nullopt;
    // Whatever follows must end the number, or the general rule decides.
    if (i < n) {
        const char16_t c = text[i].unicode();
        if (isDigit(c) || isSkipped(c) || c == u'.' || c == u'e' || c == u'E')
            return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

std::optional<qint32> leadingInt32(QStringView text)
{
    if (const std::optional<qint32> plain = plainInt(text))
        return plain;
    const auto value = leadingNumberValue(text);
    if (!value)
        return std::nullopt;
    return roundToInt32(*value);
}

PairValues readPair(QStringView text)
{
    const qsizetype bar = text.indexOf(u'|');
    // Up to and including the bar, which just ends the first number.
    const QStringView first = bar < 0 ? QStringView() : text.first(bar + 1);
    const QStringView second = bar < 0 ? text : text.sliced(bar + 1);
    return {leadingInt32(first), leadingInt32(second)};
}

} // namespace plandex
