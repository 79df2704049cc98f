#include "functions/random.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <vector>

#include "arith/errors.hpp"
#include "platform/system.hpp"

namespace calcorix {
namespace {

std::vector<long double> Draws(long double x, int count) {
  std::vector<long double> draws;
  for (int i = 0; i < count; ++i)
    draws.push_back(RAN(x));
  return draws;
}

// Sets CALCORIX_SEED for one test and removes it afterwards.
class SeedVariable {
 public:
  explicit SeedVariable(const char* value) { ::setenv("CALCORIX_SEED", value, 1); }
  ~SeedVariable() { ::unsetenv("CALCORIX_SEED"); }
  SeedVariable(const SeedVariable&) = delete;
  SeedVariable& operator=(const SeedVariable&) = delete;
};

TEST(Random, ZeroAndOneAndMinusOneGiveZero) {
  SeedRandom(1);
  for (const long double x : {0.0L, 1.0L, -1.0L, 0.4L, -1.4L, 0.5L}) {
    for (int i = 0; i < 20; ++i)
      EXPECT_EQ(RAN(x), 0) << x;
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
  SeedRandom(20240601);
  for (const Case& c : cases) {
    std::set<long double> seen;
    for (const long double v : Draws(c.x, 600)) {
      EXPECT_GE(v, 0) << c.x;
      EXPECT_LT(v, static_cast<long double>(c.bound)) << c.x;
      EXPECT_EQ(v, std::trunc(v)) << c.x;
      seen.insert(v);
    }
    EXPECT_EQ(seen.size(), c.bound) << c.x;
  }
}

TEST(Random, TheWholeSigned64BitRangeIsAccepted) {
  SeedRandom(7);
  for (const long double x : {-0x1p63L, 0x1p63L - 1}) {
    for (const long double v : Draws(x, 50)) {
      EXPECT_GE(v, 0);
      EXPECT_LT(v, 0x1p63L);
    }
  }
  EXPECT_THROW(RAN(-1E19L), EInvalidOp);
  EXPECT_THROW(RAN(1E19L), EInvalidOp);
  EXPECT_THROW(RAN(0x1p63L), EInvalidOp);
}

TEST(Random, CallsDrawFromOneGeneratorSoTheirSumIsNotAlwaysEven) {
  SeedRandom(99);
  bool odd = false, even = false;
  for (int i = 0; i < 200; ++i) {
    const long double sum = RAN(6) + RAN(6);
    (std::fmod(sum, 2) == 1 ? odd : even) = true;
  }
  EXPECT_TRUE(odd);
  EXPECT_TRUE(even);
}

TEST(Random, HasNoModuloBias) {
  // With bound 1.5 * 2^62, taking a 64-bit draw modulo the bound would put a quarter of all draws
  // twice onto the lowest 2^62 values: 3/4 of the draws below 2^62 instead of 2/3.
  SeedRandom(4242);
  const long double bound = 0x3p61L;
  int low = 0;
  const int count = 3000;
  for (const long double v : Draws(bound, count)) {
    ASSERT_LT(v, bound);
    if (v < 0x1p62L) ++low;
  }
  EXPECT_GT(low, 1875);  // 2000 expected, 25.8 standard deviation
  EXPECT_LT(low, 2125);
}

TEST(Random, TheSameSeedRepeatsTheSequence) {
  SeedRandom(2024);
  const std::vector<long double> first = Draws(1E6L, 50);
  SeedRandom(2024);
  EXPECT_EQ(Draws(1E6L, 50), first);
  SeedRandom(2025);
  EXPECT_NE(Draws(1E6L, 50), first);
}

TEST(Random, CalcorixSeedReplacesTheClock) {
  struct Case {
    const char* text;
    bool accepted;
    std::uint64_t seed;
  };
  const Case cases[] = {
      {"987654321", true, 987654321},
      {"0", true, 0},
      {"18446744073709551615", true, UINT64_MAX},
      {"18446744073709551616", false, 0},
      {"", false, 0},
      {"12a", false, 0},
      {"-5", false, 0},
      {" 7", false, 0},
      {"1.5", false, 0},
  };
  for (const Case& c : cases) {
    SeedVariable variable(c.text);
    const std::uint64_t before = MillisecondClock();
    const std::uint64_t seed = InitialRandomSeed();
    const std::uint64_t after = MillisecondClock();
    if (c.accepted) {
      EXPECT_EQ(seed, c.seed) << '"' << c.text << '"';
    } else {
      EXPECT_GE(seed, before) << '"' << c.text << '"';
      EXPECT_LE(seed, after) << '"' << c.text << '"';
    }
  }
}

TEST(Random, TheFirstDrawSeedsOnceFromTheVariable) {
  SeedRandom(31337);
  const std::vector<long double> expected = Draws(1000, 30);
  {
    SeedVariable variable("31337");
    ForgetRandomSeed();
    const std::vector<long double> firstHalf = Draws(1000, 15);
    // A later change of the variable does not reseed a generator that is already running.
    ::setenv("CALCORIX_SEED", "1", 1);
    std::vector<long double> run = firstHalf;
    for (const long double v : Draws(1000, 15))
      run.push_back(v);
    EXPECT_EQ(run, expected);
  }
  {
    SeedVariable variable("31337");
    ForgetRandomSeed();
    EXPECT_EQ(Draws(1000, 30), expected);
  }
}

}  // namespace
}  // namespace calcorix
