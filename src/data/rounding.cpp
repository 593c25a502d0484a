#include "data/rounding.h"

#include <charconv>
#include <cmath>

namespace {

// A double carries 15 reliable significant decimal digits; whatever lies beyond them is
// representation noise (2.675 * 100 == 267.49999999999997). Cutting the value back to 15
// digits turns such a value into the decimal half it stands for.
double withoutRepresentationNoise(double value) {
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    double snapped = value;
    std::from_chars(buffer, written.ptr, snapped);
    return snapped;
}

} // namespace

namespace Rounding {

double roundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    const double snapped = withoutRepresentationNoise(value);
    const double lower = std::floor(snapped);
    const double fraction = snapped - lower;
    if (fraction < 0.5)
        return lower;
    if (fraction > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

double roundHalfEven(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double result = roundHalfEven(value * scale) / scale;
    return result == 0.0 ? 0.0 : result; // no "-0,00" on a statement
}

std::optional<qint64> wholeCents(double euros) {
    // Beyond this no amount is money any more, and the cents would not fit.
    constexpr double largestCents = 1e15;
    const double cents = roundHalfEven(euros * 100);
    if (!std::isfinite(cents) || std::fabs(cents) > largestCents)
        return std::nullopt;
    return qint64(cents);
}

double toCents(double value) {
    return roundHalfEven(value, 2);
}

double roundHalfAwayFromZero(double value, int decimals) {
    if (!std::isfinite(value))
        return value;
    const double scale = std::pow(10.0, decimals);
    const double result = std::round(withoutRepresentationNoise(value * scale)) / scale;
    return result == 0.0 ? 0.0 : result;
}

} // namespace Rounding
