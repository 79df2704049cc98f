#include "arith/radians.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

#include "arith/float80.hpp"
#include "arith/math_steps.hpp"

namespace calcorix::test {
namespace {

// Expected rests from pi to 17,000 bits in exact rational arithmetic: high is the rest truncated
// to 64 bits, low the remainder rounded.
TEST(ReduceRadians, GivesTheQuarterTurnsAndTheRestToAbout120Bits) {
  const struct {
    long double x;
    int quadrant;
    long double high;
    long double low;
  } rows[] = {
      {LDBL_MAX, 1, 0x8061C52487F652ABp-66L, 0xBA840AB26661F139p-132L},
      {1E18L, 3, 0xF2FEDE330489FF3Bp-67L, 0xF0B680E5EBA8AB35p-131L},
      {-1E300L, 3, -0xC8BA9E3985F808F4p-64L, -0xAA6D3196EDC6BC4Fp-130L},
      {0xC90FDAA22168C23Cp-63L, 1, 0xE76733AE8FE47C65p-124L, 0xDADFB63EEEB30671p-188L},  // kPi/2
      {-3, 2, 0x90FDAA22168C234Cp-66L, 0x98CC51701B839A25p-131L},
      {0xC000000000000000p15937L, 3, -0xD18D923975BE46C8p-65L, -0xEBC1BC79E60505E5p-130L},
      {1, 1, -0x921FB54442D18469p-64L, -0x898CC51701B839A2p-128L},
      {0.75L, 0, 0.75L, 0},  // up to pi/4 as it is
      {-0.0L, 0, -0.0L, 0},
  };
  for (const auto& row : rows) {
    const QuarterTurns turns = ReduceRadians(row.x);
    EXPECT_EQ(turns.quadrant, row.quadrant) << row.x;
    EXPECT_EQ(turns.high, row.high) << row.x;
    EXPECT_EQ(SignBit(turns.high), SignBit(row.high)) << row.x;
    EXPECT_LE(std::fabs(turns.low - row.low), std::fabs(row.low) * 0x1p-56L) << row.x;
  }
}

// The sine and cosine from the reduction against a C library that reduces exactly itself.
TEST(ReduceRadians, GivesTheSineAndCosineOfTheLibraryWithinAnUlp) {
  if (!kLibraryIsAccurate) GTEST_SKIP() << "this C library's sinl does not reduce exactly";
  std::mt19937_64 random(2);
  for (int i = 0; i < 20000; ++i) {
    Float80Bits bits;
    bits.significand = random() | std::uint64_t{1} << 63;
    bits.biasedExponent = static_cast<std::uint16_t>(0x3FFE + random() % (i % 2 ? 80 : 16380));
    bits.negative = (random() & 1) != 0;
    const long double x = FromBits(bits);
    QuarterTurns turns = ReduceRadians(x);
    const long double sine = steps::SineOfTurns(turns);
    turns.quadrant = (turns.quadrant + 1) & 3;
    const long double cosine = steps::SineOfTurns(turns);
    EXPECT_LE(std::fabs(sine - sinl(x)), std::ldexp(1.0L, std::ilogb(sine) - 63)) << x;
    EXPECT_LE(std::fabs(cosine - cosl(x)), std::ldexp(1.0L, std::ilogb(cosine) - 63)) << x;
    if (HasFailure()) break;
  }
}

}  // namespace
}  // namespace calcorix::test
