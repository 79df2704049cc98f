#pragma once

#include <cstdint>
#include <optional>
#include <random>

// RAN and its generator. A calculation session owns one generator, seeded once, at its first draw:
// from the seed it was given, else from the millisecond clock. Every RAN call draws the next
// number of that one generator, so calls within the same millisecond differ.

namespace calcorix {

class RandomGenerator {
 public:
  RandomGenerator() = default;
  explicit RandomGenerator(std::optional<std::uint64_t> seed) : seed_(seed) {}

  // A whole number from 0 to bound - 1 (bound >= 1), every one equally likely.
  std::uint64_t DrawBelow(std::uint64_t bound);

 private:
  // mt19937_64, not a distribution of the standard library: its sequence for a given seed is fixed
  // by the standard, the distributions' algorithms are not, and a seed must repeat a run. Made at
  // the first draw: seeding it costs more than a whole calculation that draws nothing.
  std::optional<std::mt19937_64> engine_;
  std::optional<std::uint64_t> seed_;
};

// n = RND(x); then 0 when n is 0, else a whole number from 0 to |n| - 1, every one equally likely
// (no modulo bias), also for a negative n. RAN(0), RAN(1) and RAN(-1) give 0.
// Errors: EInvalidOp when x rounds outside the signed 64-bit range (RAN(-1E19)).
long double RAN(long double x, RandomGenerator& generator);

}  // namespace calcorix
