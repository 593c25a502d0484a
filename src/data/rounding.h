#pragma once

#include <QtGlobal>

#include <optional>

// The one rounding rule for money and quantities: halves go to the even neighbour, and a
// value that is a decimal half (2.675, 0.125) counts as a half although binary floating
// point stores it a hair above or below.
namespace Rounding {

// Rounds to a whole number.
double roundHalfEven(double value);

// Rounds to the given count of decimals (0 to 10).
double roundHalfEven(double value, int decimals);

// An amount of money in whole cents, by the rule above.
double toCents(double value);

// An amount in euros as whole cents, by the rule above; nothing for a value that is not finite
// or too large to be money.
std::optional<qint64> wholeCents(double euros);

// Rounds halves away from zero, as printed figures with a fixed count of decimals do.
double roundHalfAwayFromZero(double value, int decimals);

} // namespace Rounding
