#include "functions/random.hpp"

#include "arith/big_unsigned.hpp"
#include "arith/round_half_even.hpp"
#include "base/clock.hpp"

namespace calcorix {

// The high half of draw * bound, where the draws whose low half falls below 2^64 mod bound are
// thrown away, since those are the ones that would make some results one draw more likely than
// others.
std::uint64_t RandomGenerator::DrawBelow(std::uint64_t bound) {
  if (!engine_) engine_.emplace(seed_ ? *seed_ : MillisecondClock());
  std::mt19937_64& engine = *engine_;
  Uint128 product = static_cast<Uint128>(engine()) * bound;
  auto low = static_cast<std::uint64_t>(product);
  if (low < bound) {
    const std::uint64_t rejectBelow = (0 - bound) % bound;
    while (low < rejectBelow) {
      product = static_cast<Uint128>(engine()) * bound;
      low = static_cast<std::uint64_t>(product);
    }
  }
  return static_cast<std::uint64_t>(product >> 64);
}

long double RAN(long double x, RandomGenerator& generator) {
  const std::int64_t n = RoundHalfEven(x);
  if (n == 0) return 0;
  // Unsigned negation: |INT64_MIN| = 2^63 has no int64 value.
  const std::uint64_t magnitude =
      n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  return static_cast<long double>(generator.DrawBelow(magnitude));
}

}  // namespace calcorix
