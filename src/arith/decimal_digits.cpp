#include "arith/decimal_digits.hpp"

#include <algorithm>
#include <cassert>
#include <charconv>

namespace calcorix {

RoundedDecimal RoundDecimal(const DecimalDigits& d, int significant, int lowestPlace) {
  significant = std::clamp(significant, 1, kExactDigitCount - 1);
  if (d.digits == 0) return {0, lowestPlace};
  // Digits kept, counted from the first significant one; the limit must not overflow.
  const long keepByPlace = static_cast<long>(d.exponent) - lowestPlace + 1;
  const int keep = static_cast<int>(std::min<long>(significant, keepByPlace));
  if (keep < 0) return {0, lowestPlace};
  const int drop = kExactDigitCount - keep;  // 1 ... 18
  std::uint64_t mantissa = d.digits / PowerOfTen(drop);
  const std::uint64_t firstDropped = d.digits / PowerOfTen(drop - 1) % 10;
  if (firstDropped >= 5) ++mantissa;
  return {mantissa, d.exponent - keep + 1};
}

RoundedDecimal RoundSignificant(const DecimalDigits& d, int significant) {
  significant = std::clamp(significant, 1, kExactDigitCount - 1);
  if (d.digits == 0) return {0, 0};
  RoundedDecimal r = RoundDecimal(d, significant, d.exponent - significant + 1);
  if (r.mantissa == PowerOfTen(significant)) {
    r.mantissa /= 10;
    ++r.scale;
  }
  return r;
}

void AppendUnsigned(std::string& out, std::uint64_t n) {
  char buffer[20];
  const char* end = std::to_chars(buffer, buffer + sizeof buffer, n).ptr;
  out.append(buffer, static_cast<std::size_t>(end - buffer));
}

void AppendFixed(std::string& out, RoundedDecimal value, int decimals) {
  assert(decimals >= 0);
  assert(value.mantissa == 0 || value.scale >= -decimals);
  const auto zeros = [&out](int count) {
    if (count > 0) out.append(static_cast<std::size_t>(count), '0');
  };
  if (value.mantissa == 0) {
    out.push_back('0');
    if (decimals > 0) out.push_back('.');
    zeros(decimals);
    return;
  }
  char digits[20];
  const int length =
      static_cast<int>(std::to_chars(digits, digits + sizeof digits, value.mantissa).ptr - digits);
  if (value.scale >= 0) {
    out.append(digits, static_cast<std::size_t>(length));
    zeros(value.scale);
    if (decimals > 0) out.push_back('.');
    zeros(decimals);
    return;
  }
  const int fraction = -value.scale;  // digits of the mantissa after the point
  const int integerDigits = length - fraction;
  if (integerDigits > 0) {
    out.append(digits, static_cast<std::size_t>(integerDigits));
  } else {
    out.push_back('0');
  }
  out.push_back('.');
  zeros(-integerDigits);
  const int skipped = std::max(integerDigits, 0);
  out.append(digits + skipped, static_cast<std::size_t>(length - skipped));
  zeros(decimals - fraction);
}

}  // namespace calcorix
