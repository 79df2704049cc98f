#pragma once

#include <cstdint>
#include <string>

// The exact decimal digits of an 80-bit value. Every decimal text of the program (the number texts
// written back into expressions and every printed result) starts here, so that all of them agree
// and none goes through a narrower type or depends on the C library's rounding of ties.
//
// Printed texts keep at most 17 significant digits, rounded half away from zero; the first
// dropped digit alone decides the rounding (5 or more rounds up), so the 18 leading digits of the
// exact value, truncated, are all any text needs.

namespace calcorix {

inline constexpr int kExactDigitCount = 18;

struct DecimalDigits {
  bool negative = false;     // the sign bit (also set for negative zero)
  std::uint64_t digits = 0;  // the first 18 significant digits of |x|, truncated; 0 for zero
  int exponent = 0;          // floor(log10 |x|): |x| = 0.digits... * 10^(exponent + 1); 0 for zero
};

// Exact for every finite value, denormals included. Not for infinities or NaNs.
DecimalDigits ExactDigits(long double x);

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

// 10^n for 0 <= n <= 19.
std::uint64_t PowerOfTen(int n);

}  // namespace calcorix
