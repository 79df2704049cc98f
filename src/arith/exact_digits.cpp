#include "arith/exact_digits.hpp"

#include <array>
#include <cassert>
#include <utility>
#include <vector>

#include "arith/big_unsigned.hpp"
#include "arith/float80.hpp"

namespace calcorix {
namespace {

constexpr std::array<std::uint64_t, 20> kPow10 = [] {
  std::array<std::uint64_t, 20> p{};
  p[0] = 1;
  for (std::size_t i = 1; i < p.size(); ++i)
    p[i] = p[i - 1] * 10;
  return p;
}();

// 5^0 ... 5^55: every one fits in 128 bits.
constexpr int kFastPowerOfFive = 55;
constexpr std::array<Uint128, kFastPowerOfFive + 1> kPow5 = [] {
  std::array<Uint128, kFastPowerOfFive + 1> p{};
  p[0] = 1;
  for (std::size_t i = 1; i < p.size(); ++i)
    p[i] = p[i - 1] * 5;
  return p;
}();

// 5^n for n up to 256 * 20, as one product of two table entries: 5^(256j) * 5^r.
BigUnsigned PowerOfFive(int n) {
  static const auto tables = [] {
    std::pair<std::vector<std::vector<std::uint64_t>>, std::vector<std::vector<std::uint64_t>>> t;
    BigUnsigned p(1);
    for (int r = 0; r < 256; ++r) {
      t.first.push_back(p.Limbs());
      p.MultiplyBy(5);
    }
    const BigUnsigned step = p;  // 5^256
    BigUnsigned q(1);
    for (int j = 0; j < 20; ++j) {
      t.second.push_back(q.Limbs());
      q = BigUnsigned::Product(q, step);
    }
    return t;
  }();
  assert(n >= 0 && n < 256 * 20);
  return BigUnsigned::Product(BigUnsigned::FromLimbs(tables.second[n / 256]),
                              BigUnsigned::FromLimbs(tables.first[n % 256]));
}

// floor(log10(2) * k), exact for the binary exponents of 80-bit values.
int FloorLog10OfPowerOfTwo(int k) {
  constexpr std::uint64_t kLog10Of2 = 0x4D104D427DE7FBCCULL;  // log10(2) * 2^64
  const Int128 product = static_cast<Int128>(k) * static_cast<Int128>(kLog10Of2);
  return static_cast<int>(product >> 64);  // arithmetic shift: floor
}

// floor(m * 2^e2 * 10^s) for a result known to be below 10^19.
std::uint64_t ScaledFloor(std::uint64_t m, int e2, int s) {
  if (s >= 0) {
    // m * 5^s * 2^(e2 + s)
    const int shift = e2 + s;
    if (s <= 27) {
      const Uint128 p = static_cast<Uint128>(m) * kPow5[s];
      if (shift >= 0) return static_cast<std::uint64_t>(p << shift);
      return -shift >= 128 ? 0 : static_cast<std::uint64_t>(p >> -shift);
    }
    if (s <= kFastPowerOfFive && shift <= -64) {
      // 192-bit product m * 5^s, then bits from -shift upwards.
      const Uint128 lo = static_cast<Uint128>(m) * static_cast<std::uint64_t>(kPow5[s]);
      const Uint128 hi = static_cast<Uint128>(m) * static_cast<std::uint64_t>(kPow5[s] >> 64);
      const Uint128 mid = (lo >> 64) + static_cast<std::uint64_t>(hi);
      const std::uint64_t limb0 = static_cast<std::uint64_t>(lo);
      const std::uint64_t limb1 = static_cast<std::uint64_t>(mid);
      const std::uint64_t limb2 = static_cast<std::uint64_t>((hi >> 64) + (mid >> 64));
      const int r = -shift;
      if (r >= 192) return 0;
      const Uint128 upper = (static_cast<Uint128>(limb2) << 64) | limb1;
      if (r >= 64) return static_cast<std::uint64_t>(upper >> (r - 64));
      return static_cast<std::uint64_t>((upper << (64 - r)) | (limb0 >> r));
    }
    BigUnsigned p = PowerOfFive(s);
    p.MultiplyBy(m);
    if (shift >= 0) {
      p.ShiftLeft(shift);
      return p.Bits64(0);
    }
    return p.Bits64(-shift);
  }

  // floor(m * 2^e2 / 10^t) = floor(floor(m * 2^(e2 - t)) / 5^t)
  const int t = -s;
  const int d = e2 - t;
  if (t <= 27) {
    Uint128 a;
    if (d >= 0) {
      a = static_cast<Uint128>(m) << d;
    } else {
      a = -d >= 64 ? 0 : m >> -d;
    }
    return static_cast<std::uint64_t>(a / kPow5[t]);
  }
  BigUnsigned a(d >= 0 ? m : (-d >= 64 ? 0 : m >> -d));
  if (d > 0) a.ShiftLeft(d);
  return SmallQuotient(a, PowerOfFive(t));
}

}  // namespace

std::uint64_t PowerOfTen(int n) {
  return kPow10[n];
}

DecimalDigits ExactDigits(long double x) {
  const Float80Bits bits = BitsOf(x);
  DecimalDigits d;
  d.negative = bits.negative;
  if (bits.significand == 0) return d;

  // |x| = m * 2^e2; denormals have the exponent of the smallest normal numbers.
  const std::uint64_t m = bits.significand;
  const int e2 = (bits.biasedExponent == 0 ? 1 : bits.biasedExponent) - 16383 - 63;
  const int topBit = e2 + 63 - __builtin_clzll(m);  // 2^topBit <= |x| < 2^(topBit+1)

  // floor(log10 |x|) is this estimate or one more.
  int estimate = FloorLog10OfPowerOfTwo(topBit);
  std::uint64_t q = ScaledFloor(m, e2, kExactDigitCount - 1 - estimate);
  if (q >= kPow10[kExactDigitCount]) {
    q /= 10;  // floor(floor(y) / 10) = floor(y / 10)
    ++estimate;
  }
  assert(q >= kPow10[kExactDigitCount - 1] && q < kPow10[kExactDigitCount]);
  d.digits = q;
  d.exponent = estimate;
  return d;
}

}  // namespace calcorix
