#include "arith/round_half_even.hpp"

#include <cmath>

#include "arith/errors.hpp"

namespace calcorix {

std::int64_t RoundHalfEven(long double x) {
  // Inside [-2^63, 2^63) the truncation fits in 64 bits; of these values only the tie 2^63 - 0.5
  // rounds out of range. The negated test also refuses NaN.
  if (!(x >= -0x1p63L && x < 0x1p63L)) throw EInvalidOp();
  const long double whole = std::trunc(x);
  const long double fraction = x - whole;  // exact: the bits of x below the point
  std::int64_t n = static_cast<std::int64_t>(whole);
  const long double away = fraction < 0 ? -fraction : fraction;
  const bool odd = (n & 1) != 0;
  if (away > 0.5L || (away == 0.5L && odd)) {
    if (fraction > 0) {
      if (n == INT64_MAX) throw EInvalidOp();
      ++n;
    } else {
      --n;  // cannot pass -2^63: below -2^63 + 1 no value has a fraction
    }
  }
  return n;
}

}  // namespace calcorix
