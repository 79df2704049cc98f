#include "arith/constants.hpp"

#include <gtest/gtest.h>

#include "arith/float80.hpp"

namespace calcorix {
namespace {

TEST(Constants, HaveTheirExactBitPatterns) {
  struct Case {
    const char* name;
    long double value;
    std::uint16_t biasedExponent;
    std::uint64_t significand;
  };
  const Case cases[] = {
      {"pi", kPi, 0x4000, 0xC90FDAA22168C23CULL},
      {"ln 10", kLn10, 0x4000, 0x935D8DDDAAA8AC17ULL},
      {"ln 2", kLn2, 0x3FFE, 0xB17217F7D1CF79ACULL},
      {"L1000", kL1000, 0x4001, 0xDD0C54CC7FFD0223ULL},
  };
  for (const Case& c : cases) {
    const Float80Bits bits = BitsOf(c.value);
    EXPECT_FALSE(bits.negative) << c.name;
    EXPECT_EQ(bits.biasedExponent, c.biasedExponent) << c.name;
    EXPECT_EQ(bits.significand, c.significand) << c.name;
  }
}

}  // namespace
}  // namespace calcorix
