#include "arith/nearest_value.hpp"

#include <cstdint>
#include <string>
#include <vector>

#include "arith/big_unsigned.hpp"
#include "arith/float80.hpp"

namespace calcorix {
namespace {

constexpr std::size_t kExactDigits = 800;
// Decimal exponents of the first digit beyond which no text can come back into the normal range:
// the largest finite value is 1.19E4932, the smallest normal one 3.36E-4932.
constexpr long long kHighestLeadingPower = 4932;
constexpr long long kLowestLeadingPower = -4933;

constexpr std::uint64_t kPow10Limb = 10000000000000000000ULL;  // 10^19

BigUnsigned DigitsValue(std::string_view digits) {
  std::vector<std::uint64_t> limbs;  // little-endian
  std::size_t i = 0;
  // The first chunk takes the odd digits, every further one 19.
  std::size_t chunk = digits.size() % 19 == 0 ? 19 : digits.size() % 19;
  while (i < digits.size()) {
    std::uint64_t carry = 0;
    for (std::size_t end = i + chunk; i < end; ++i)
      carry = carry * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    for (std::uint64_t& limb : limbs) {
      const Uint128 product = static_cast<Uint128>(limb) * kPow10Limb + carry;
      limb = static_cast<std::uint64_t>(product);
      carry = static_cast<std::uint64_t>(product >> 64);
    }
    if (carry != 0) limbs.push_back(carry);
    chunk = 19;
  }
  return BigUnsigned::FromLimbs(limbs);
}

// 5^n by repeated squaring; n < 8192.
BigUnsigned PowerOfFive(long long n) {
  BigUnsigned result(1);
  BigUnsigned factor(5);
  while (n != 0) {
    if ((n & 1) != 0) result = BigUnsigned::Product(result, factor);
    n >>= 1;
    if (n != 0) factor = BigUnsigned::Product(factor, factor);
  }
  return result;
}

}  // namespace

std::optional<long double> NearestValue(bool negative, std::string_view digits,
                                        long long exponent) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string_view::npos) {
    Float80Bits zero;
    zero.negative = negative;
    return FromBits(zero);
  }
  digits.remove_prefix(first);
  // Trailing zeros only move the exponent.
  const std::size_t last = digits.find_last_not_of('0');
  exponent += static_cast<long long>(digits.size() - 1 - last);
  digits.remove_suffix(digits.size() - 1 - last);

  const long long leadingPower = exponent + static_cast<long long>(digits.size()) - 1;
  if (leadingPower > kHighestLeadingPower || leadingPower < kLowestLeadingPower) return {};

  std::string kept(digits);
  if (kept.size() > kExactDigits) {
    // A "1" one place below the kept digits stands for the non-zero ones dropped (the last digit
    // is not zero): it keeps the value strictly between the neighbours it lies between.
    exponent += static_cast<long long>(kept.size() - kExactDigits) - 1;
    kept.resize(kExactDigits);
    kept.push_back('1');
  }

  // value = x / y * 2^exponent with x = digits * 5^exponent, or y = 5^-exponent.
  BigUnsigned x = DigitsValue(kept);
  BigUnsigned y(1);
  if (exponent >= 0) {
    x = BigUnsigned::Product(x, PowerOfFive(exponent));
  } else {
    y = PowerOfFive(-exponent);
  }
  // The quotient scaled by 2^shift into 2^63 ... 2^64 - 1: the significand, truncated.
  int shift = 63 - x.BitLength() + y.BitLength();
  std::uint64_t significand = 0;
  BigUnsigned scaledX;
  BigUnsigned scaledY;
  for (;;) {
    scaledX = x;
    scaledY = y;
    if (shift > 0) scaledX.ShiftLeft(shift);
    if (shift < 0) scaledY.ShiftLeft(-shift);
    significand = SmallQuotient(scaledX, scaledY);
    if (significand >> 63 != 0) break;
    ++shift;  // the first estimate can be one bit short
  }
  // Round to nearest, ties to even: x / y against the midpoint (2q + 1) / 2.
  BigUnsigned twiceX = scaledX;
  twiceX.ShiftLeft(1);
  const std::uint64_t odd = significand * 2 + 1;  // the low limb of 2q + 1; its high one is 1
  const int half = Compare(twiceX, BigUnsigned::Product(scaledY, BigUnsigned::FromLimbs({odd, 1})));
  long long binaryExponent = exponent - shift + 63;
  if (half > 0 || (half == 0 && (significand & 1) != 0)) {
    if (++significand == 0) {
      significand = std::uint64_t{1} << 63;
      ++binaryExponent;
    }
  }
  const long long biased = binaryExponent + 16383;
  if (biased < 1 || biased > 32766) return {};
  Float80Bits bits;
  bits.negative = negative;
  bits.biasedExponent = static_cast<std::uint16_t>(biased);
  bits.significand = significand;
  return FromBits(bits);
}

}  // namespace calcorix
