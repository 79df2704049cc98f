#include "arith/big_unsigned.hpp"

#include <limits>
#include <utility>

namespace calcorix {

BigUnsigned PowerOfFive(int n) {
  // 5^(256j) * 5^r.
  static const auto tables = [] {
    std::pair<std::vector<std::vector<std::uint64_t>>, std::vector<std::vector<std::uint64_t>>> t;
    BigUnsigned p(1);
    for (int r = 0; r < 256; ++r) {
      t.first.push_back(p.Limbs());
      p.MultiplyBy(5);
    }
    const BigUnsigned step = p;  // 5^256
    BigUnsigned q(1);
    for (int j = 0; j < kPowerOfFiveLimit / 256; ++j) {
      t.second.push_back(q.Limbs());
      q = BigUnsigned::Product(q, step);
    }
    return t;
  }();
  assert(n >= 0 && n < kPowerOfFiveLimit);
  return BigUnsigned::Product(BigUnsigned::FromLimbs(tables.second[n / 256]),
                              BigUnsigned::FromLimbs(tables.first[n % 256]));
}

std::uint64_t SmallQuotient(const BigUnsigned& a, const BigUnsigned& divisor) {
  // Estimated from the top 64 bits of the divisor (all of it when it is shorter), the estimate
  // is q, q + 1 or q + 2.
  const int k = std::max(divisor.BitLength() - 64, 0);
  const Uint128 estimate = a.Bits128(k) / divisor.Bits64(k);
  constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t q = estimate > kLargest ? kLargest : static_cast<std::uint64_t>(estimate);
  for (;;) {
    BigUnsigned product = divisor;
    product.MultiplyBy(q);
    if (q == 0 || Compare(product, a) <= 0) return q;
    --q;
  }
}

}  // namespace calcorix
