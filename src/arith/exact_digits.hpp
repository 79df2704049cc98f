#pragma once

#include <cstdint>

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

// 10^n for 0 <= n <= 19.
std::uint64_t PowerOfTen(int n);

}  // namespace calcorix
