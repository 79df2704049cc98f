#pragma once

#include <cstdint>
#include <string>

#include "arith/exact_digits.hpp"

// Decimal texts from the exact digits of a value: rounding to a number of digits or places, and
// the plain notation of the rounded magnitude.

namespace calcorix {

// A rounded magnitude: mantissa * 10^scale.
struct RoundedDecimal {
  std::uint64_t mantissa = 0;
  int scale = 0;
};

// Rounds |x| half away from zero so that it keeps at most `significant` (1...17) significant
// digits and no digit below the place 10^lowestPlace. The mantissa can come out as a power of ten
// one digit longer than asked (9.96 to two digits is 10 * 10^0).
RoundedDecimal RoundDecimal(const DecimalDigits& d, int significant, int lowestPlace);

// Rounds to `significant` (1...17) significant digits and always gives exactly that many digits:
// on a carry (9.99 to two digits) the mantissa is 10^(significant-1) and the scale grows by one.
RoundedDecimal RoundSignificant(const DecimalDigits& d, int significant);

// Appends mantissa * 10^scale in plain notation: the integer digits (at least one), then, when
// decimals > 0, "." and exactly `decimals` places. No sign. Needs scale >= -decimals.
void AppendFixed(std::string& out, RoundedDecimal value, int decimals);

// Appends the decimal digits of n (at least one digit).
void AppendUnsigned(std::string& out, std::uint64_t n);

}  // namespace calcorix
