#include "arith/math_steps.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace calcorix::test {
namespace {

// Near 1 and -1, where 1 - x * x cancels, the arc sine and cosine keep their digits. References:
// mpmath at 300 bits.
TEST(MathSteps, ArcSineAndCosineAreWithinTwoUlpsUpToTheEnds) {
  const struct {
    long double x;
    long double asin;
    long double acos;
  } rows[] = {
      {0xFFFFFFFFFFFFFFF0p-64L, 0xC90FDA9F4D54F565p-63L, 0xB504F333F9DE6485p-93L},
      {0xFFFFFFFFA0000000p-64L, 0xC90F6BC835C75D8Bp-63L, 0xDDB3D742C952F258p-80L},
      {0.75L, 0xD91A98AE3406E041p-64L, 0xB9051C960ECAA429p-64L},
      {-0xFFFFFFFFFFFEC000p-64L, -0xC90FD9D7BEA6EB62p-63L, 0xC90FDA3CF007D6CBp-62L},
      {-0x8000000001000000p-64L, -0x860A91C16CC2C698p-64L, 0x860A91C16BE512C0p-62L},
      {1, 0xC90FDAA22168C235p-63L, 0},
      {-1, -0xC90FDAA22168C235p-63L, 0xC90FDAA22168C235p-62L},
  };
  const auto ulp = [](long double v) { return std::ldexp(1.0L, std::ilogb(v) - 63); };
  for (const auto& row : rows) {
    EXPECT_LE(std::fabs(steps::ArcSine(row.x) - row.asin), 2 * ulp(row.asin)) << row.x;
    if (row.acos == 0) {
      EXPECT_EQ(steps::ArcCosine(row.x), 0.0L);
    } else {
      EXPECT_LE(std::fabs(steps::ArcCosine(row.x) - row.acos), 2 * ulp(row.acos)) << row.x;
    }
  }
}

}  // namespace
}  // namespace calcorix::test
