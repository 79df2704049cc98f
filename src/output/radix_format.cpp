#include "output/radix_format.hpp"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "base/text.hpp"

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
  if (count <= 0) return {};
  std::uint64_t pattern = static_cast<std::uint64_t>(n);
  const int bits = count * bitsPerDigit;
  if (bits < 64) pattern &= (std::uint64_t{1} << bits) - 1;
  char digits[64];
  const char* end = std::to_chars(digits, digits + sizeof digits, pattern, radix).ptr;
  const auto length = static_cast<std::size_t>(end - digits);
  std::string text(static_cast<std::size_t>(count) - std::min<std::size_t>(length, count), '0');
  for (const char* d = digits; d != end; ++d)
    text.push_back(UpperAscii(*d));
  return text;
}

}  // namespace calcorix
