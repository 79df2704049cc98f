#include "functions/random.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <vector>

#include "arith/errors.hpp"
#include "base/clock.hpp"

namespace calcorix::test {
namespace {

std::vector<long double> Draws(RandomGenerator& generator, long double x, int count) {
  std::vector<long double> draws;
  for (int i = 0; i < count; ++i)
    draws.push_back(RAN(x, generator));
  return draws;
}

TEST(Random, ZeroAndOneAndMinusOneGiveZero) {
  RandomGenerator generator(1);
  for (const long double x : {0.0L, 1.0L, -1.0L, 0.4L, -1.4L, 0.5L}) {
    for (int i = 0; i < 20; ++i)
      EXPECT_EQ(RAN(x, generator), 0) << x;
  }
}

TEST(Random, DrawsWholeNumbersBelowTheRoundedMagnitude) {
  struct Case {
    long double x;
    std::uint64_t bound;  // every draw is 0 ... bound - 1, and each of them appears
  };
  const Case cases[] = {
      {6, 6}, {-6, 6}, {2, 2}, {2.5L, 2}, {3.5L, 4}, {-2.5L, 2}, {10.4L, 10},
  };
  RandomGenerator generator(20240601);
  for (const Case& c : cases) {
    std::set<long double> seen;
    for (const long double v : Draws(generator, c.x, 600)) {
      EXPECT_GE(v, 0) << c.x;
      EXPECT_LT(v, static_cast<long double>(c.bound)) << c.x;
      EXPECT_EQ(v, std::trunc(v)) << c.x;
      seen.insert(v);
    }
    EXPECT_EQ(seen.size(), c.bound) << c.x;
  }
}

TEST(Random, TheWholeSigned64BitRangeIsAccepted) {
  RandomGenerator generator(7);
  for (const long double x : {-0x1p63L, 0x1p63L - 1}) {
    for (const long double v : Draws(generator, x, 50)) {
      EXPECT_GE(v, 0);
      EXPECT_LT(v, 0x1p63L);
    }
  }
  EXPECT_THROW(RAN(-1E19L, generator), EInvalidOp);
  EXPECT_THROW(RAN(1E19L, generator), EInvalidOp);
  EXPECT_THROW(RAN(0x1p63L, generator), EInvalidOp);
}

TEST(Random, CallsDrawFromOneGeneratorSoTheirSumIsNotAlwaysEven) {
  RandomGenerator generator(99);
  bool odd = false, even = false;
  for (int i = 0; i < 200; ++i) {
    const long double sum = RAN(6, generator) + RAN(6, generator);
    (std::fmod(sum, 2) == 1 ? odd : even) = true;
  }
  EXPECT_TRUE(odd);
  EXPECT_TRUE(even);
}

TEST(Random, HasNoModuloBias) {
  // With bound 1.5 * 2^62, taking a 64-bit draw modulo the bound would put a quarter of all draws
  // twice onto the lowest 2^62 values: 3/4 of the draws below 2^62 instead of 2/3.
  RandomGenerator generator(4242);
  const long double bound = 0x3p61L;
  int low = 0;
  const int count = 3000;
  for (const long double v : Draws(generator, bound, count)) {
    ASSERT_LT(v, bound);
    if (v < 0x1p62L) ++low;
  }
  EXPECT_GT(low, 1875);  // 2000 expected, 25.8 standard deviation
  EXPECT_LT(low, 2125);
}

TEST(Random, TheSameSeedRepeatsTheSequenceAndGeneratorsAreIndependent) {
  RandomGenerator first(2024), second(2024), other(2025);
  const std::vector<long double> sequence = Draws(first, 1E6L, 50);
  EXPECT_EQ(Draws(second, 1E6L, 50), sequence);
  EXPECT_NE(Draws(other, 1E6L, 50), sequence);
  // Drawing from one leaves another with the same seed at its start.
  RandomGenerator a(7), b(7), c(7);
  Draws(a, 1000, 10);
  EXPECT_EQ(Draws(b, 1000, 10), Draws(c, 1000, 10));
}

TEST(Random, WithoutASeedTheClockSeedsTheFirstDraw) {
  const std::uint64_t before = MillisecondClock();
  RandomGenerator fromClock;
  const std::vector<long double> drawn = Draws(fromClock, 1E9L, 5);
  const std::uint64_t after = MillisecondClock();
  bool matched = false;
  for (std::uint64_t seed = before; seed <= after && !matched; ++seed) {
    RandomGenerator candidate(seed);
    matched = Draws(candidate, 1E9L, 5) == drawn;
  }
  EXPECT_TRUE(matched);
}

}  // namespace
}  // namespace calcorix::test
