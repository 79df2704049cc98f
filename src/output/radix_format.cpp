#include "output/radix_format.hpp"

#include <cmath>
#include <stdexcept>

#include "arith/errors.hpp"

namespace calcorix {

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
