#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <vector>

// Unsigned integers wider than 64 bits, for the exact conversion of binary values to decimal
// digits and for the random draws that need the full product of two 64-bit numbers.

namespace calcorix {

__extension__ typedef unsigned __int128 Uint128;
__extension__ typedef __int128 Int128;

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

// floor(a / divisor) for a quotient known to be below 2^64. Estimated from the top 64 bits of the
// divisor (all of it when it is shorter), the estimate is the quotient or at most 2 more.
inline std::uint64_t SmallQuotient(const BigUnsigned& a, const BigUnsigned& divisor) {
  const int k = divisor.BitLength() > 64 ? divisor.BitLength() - 64 : 0;
  const Uint128 estimate = a.Bits128(k) / divisor.Bits64(k);
  constexpr std::uint64_t kLargest = ~std::uint64_t{0};
  std::uint64_t q = estimate > kLargest ? kLargest : static_cast<std::uint64_t>(estimate);
  for (;;) {
    BigUnsigned product = divisor;
    product.MultiplyBy(q);
    if (q == 0 || Compare(product, a) <= 0) return q;
    --q;
  }
}

}  // namespace calcorix
