#include "arith/decimal_digits.hpp"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <vector>

#include "arith/float80.hpp"

namespace calcorix {
namespace {

__extension__ typedef unsigned __int128 Uint128;
__extension__ typedef __int128 Int128;

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

// Big unsigned integers for values far from 1 (decimal exponents beyond about -37 and 45).
// Little-endian 64-bit limbs; enough room for m * 2^16320 and for m * 5^4968.
class BigUnsigned {
 public:
  static constexpr int kCapacity = 262;

  BigUnsigned() = default;
  explicit BigUnsigned(std::uint64_t value) {
    if (value != 0) limbs_[size_++] = value;
  }

  static BigUnsigned FromLimbs(const std::vector<std::uint64_t>& limbs) {
    BigUnsigned b;
    std::copy(limbs.begin(), limbs.end(), b.limbs_.begin());
    b.size_ = static_cast<int>(limbs.size());
    return b;
  }

  std::vector<std::uint64_t> Limbs() const {
    return std::vector<std::uint64_t>(limbs_.begin(), limbs_.begin() + size_);
  }

  void MultiplyBy(std::uint64_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < size_; ++i) {
      const Uint128 product = static_cast<Uint128>(limbs_[i]) * factor + carry;
      limbs_[i] = static_cast<std::uint64_t>(product);
      carry = static_cast<std::uint64_t>(product >> 64);
    }
    if (carry != 0) limbs_[size_++] = carry;
    Trim();
  }

  static BigUnsigned Product(const BigUnsigned& a, const BigUnsigned& b) {
    BigUnsigned r;
    if (a.size_ == 0 || b.size_ == 0) return r;
    r.size_ = a.size_ + b.size_;
    assert(r.size_ <= kCapacity);
    std::fill(r.limbs_.begin(), r.limbs_.begin() + r.size_, 0);
    for (int i = 0; i < a.size_; ++i) {
      std::uint64_t carry = 0;
      for (int j = 0; j < b.size_; ++j) {
        const Uint128 t = static_cast<Uint128>(a.limbs_[i]) * b.limbs_[j] + r.limbs_[i + j] + carry;
        r.limbs_[i + j] = static_cast<std::uint64_t>(t);
        carry = static_cast<std::uint64_t>(t >> 64);
      }
      r.limbs_[i + b.size_] = carry;
    }
    r.Trim();
    return r;
  }

  void ShiftLeft(int bits) {
    if (size_ == 0 || bits == 0) return;
    const int whole = bits / 64;
    const int part = bits % 64;
    const int newSize = size_ + whole + 1;
    assert(newSize <= kCapacity);
    for (int i = newSize - 1; i >= 0; --i) {
      const int src = i - whole;
      const std::uint64_t hi = src >= 0 && src < size_ ? limbs_[src] : 0;
      const std::uint64_t lo = src - 1 >= 0 && src - 1 < size_ ? limbs_[src - 1] : 0;
      limbs_[i] = part == 0 ? hi : (hi << part) | (lo >> (64 - part));
    }
    size_ = newSize;
    Trim();
  }

  int BitLength() const {
    if (size_ == 0) return 0;
    return size_ * 64 - __builtin_clzll(limbs_[size_ - 1]);
  }

  // The 128 bits starting at bit `position`.
  Uint128 Bits128(int position) const {
    Uint128 r = 0;
    for (int k = 0; k < 128; k += 64) {
      r |= static_cast<Uint128>(Bits64(position + k)) << k;
    }
    return r;
  }

  std::uint64_t Bits64(int position) const {
    const int index = position / 64;
    const int part = position % 64;
    const std::uint64_t lo = Limb(index);
    if (part == 0) return lo;
    return (lo >> part) | (Limb(index + 1) << (64 - part));
  }

  friend int Compare(const BigUnsigned& a, const BigUnsigned& b) {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (int i = a.size_ - 1; i >= 0; --i) {
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

 private:
  std::uint64_t Limb(int index) const { return index >= 0 && index < size_ ? limbs_[index] : 0; }
  void Trim() {
    while (size_ > 0 && limbs_[size_ - 1] == 0)
      --size_;
  }

  std::array<std::uint64_t, kCapacity> limbs_{};
  int size_ = 0;
};

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
  const BigUnsigned divisor = PowerOfFive(t);
  // Estimate from the top 64 bits of the divisor: q <= estimate <= q + 2.
  const int k = divisor.BitLength() - 64;
  const std::uint64_t divisorTop = divisor.Bits64(k);
  std::uint64_t q = static_cast<std::uint64_t>(a.Bits128(k) / divisorTop);
  for (;;) {
    BigUnsigned product = divisor;
    product.MultiplyBy(q);
    if (q == 0 || Compare(product, a) <= 0) return q;
    --q;
  }
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

RoundedDecimal RoundDecimal(const DecimalDigits& d, int significant, int lowestPlace) {
  significant = std::clamp(significant, 1, kExactDigitCount - 1);
  if (d.digits == 0) return {0, lowestPlace};
  // Digits kept, counted from the first significant one; the limit must not overflow.
  const long keepByPlace = static_cast<long>(d.exponent) - lowestPlace + 1;
  const int keep = static_cast<int>(std::min<long>(significant, keepByPlace));
  if (keep < 0) return {0, lowestPlace};
  const int drop = kExactDigitCount - keep;  // 1 ... 18
  std::uint64_t mantissa = d.digits / kPow10[drop];
  const std::uint64_t firstDropped = d.digits / kPow10[drop - 1] % 10;
  if (firstDropped >= 5) ++mantissa;
  return {mantissa, d.exponent - keep + 1};
}

RoundedDecimal RoundSignificant(const DecimalDigits& d, int significant) {
  significant = std::clamp(significant, 1, kExactDigitCount - 1);
  if (d.digits == 0) return {0, 0};
  RoundedDecimal r = RoundDecimal(d, significant, d.exponent - significant + 1);
  if (r.mantissa == kPow10[significant]) {
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
