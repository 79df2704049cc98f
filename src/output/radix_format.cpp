#include "output/radix_format.hpp"

#include <cmath>
#include <stdexcept>

#include "engine/errors.hpp"

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

std::string RadixDigits(std::int64_t n, int radix, int count) {
  int bitsPerDigit = 0;
  switch (radix) {
    case 16:
      bitsPerDigit = 4;
      break;
    case 8:
      bitsPerDigit = 3;
      break;
    case 2:
      bitsPerDigit = 1;
      break;
    default:
      throw std::invalid_argument("RadixDigits: radix must be 16, 8 or 2");
  }
  const std::uint64_t pattern = static_cast<std::uint64_t>(n);
  const std::uint64_t mask = static_cast<std::uint64_t>(radix - 1);
  std::string digits(static_cast<std::size_t>(count > 0 ? count : 0), '0');
  for (int i = 0; i < count; ++i) {
    const int shift = i * bitsPerDigit;
    if (shift >= 64) break;
    const std::uint64_t digit = (pattern >> shift) & mask;
    digits[static_cast<std::size_t>(count - 1 - i)] = "0123456789ABCDEF"[digit];
  }
  return digits;
}

}  // namespace calcorix
