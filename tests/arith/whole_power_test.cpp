#include "arith/whole_power.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace calcorix::test {
namespace {

TEST(WholePower, IsWithinAnUlpAtAnySize) {
  const long double third = 1.0L / 3;
  const struct {
    long double base;
    std::int64_t n;
    long double expected;  // references: exact, or mpmath at 50 digits
    long double ulps;
  } rows[] = {
      {3, 40, 12157665459056928801.0L, 0},  // exact: below 2^64
      {-3, 39, -4052555153018976267.0L, 0},
      {2, -16400, std::ldexp(1.0L, -16400), 0},  // a denormal
      {-0.5L, -16383, -std::ldexp(1.0L, 16383), 0},
      {third, -10337, 1.005564741589803150046409E4932L, 1},
      {1.0000001L, 1000000000, 2.6881037011257353897640960389242266E43L, 1},
      {0.5L, -16384, HUGE_VALL, 0},  // beyond the range
      {-0.5L, -16385, -HUGE_VALL, 0},
      {10, -5000, 0, 0},  // below the smallest denormal
      {-10, -5001, -0.0L, 0},
  };
  for (const auto& row : rows) {
    const long double got = WholePower(row.base, row.n);
    EXPECT_EQ(std::signbit(got), std::signbit(row.expected)) << row.base << "^" << row.n;
    if (std::isinf(row.expected) || row.ulps == 0) {
      EXPECT_EQ(got, row.expected) << row.base << "^" << row.n;
    } else {
      const long double ulp = std::ldexp(1.0L, std::ilogb(row.expected) - 63);
      EXPECT_LE(std::fabs(got - row.expected), row.ulps * ulp) << row.base << "^" << row.n;
    }
  }
}

}  // namespace
}  // namespace calcorix::test
