#include "output/scientific.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "arith/errors.hpp"
#include "arith/float80.hpp"

namespace calcorix::test {
namespace {

struct ScientificRow {
  long double value;
  const char* general;  // D = 16
  const char* twoPlaces;
  const char* noPlaces;
};

TEST(ScientificText, WritesTheWholeTableForSixteenTwoAndZeroPlaces) {
  const ScientificRow rows[] = {
      {1234.5L, "1.2345E+03", "1.23E+03", "1E+03"},
      {12345.678L, "12.345678E+03", "12.35E+03", "12E+03"},
      {123456789.0L, "123.456789E+06", "123.46E+06", "123E+06"},
      {-2600000.0L, "-2.6E+06", "-2.60E+06", "-3E+06"},
      {999.0L, "999E+00", "999.00E+00", "999E+00"},
      {1.0L, "1E+00", "1.00E+00", "1E+00"},
      {2.0L / 3, "0.66666666666666E+00", "0.67E+00", "1E+00"},
      {0.5L, "0.5E+00", "0.50E+00", "1E+00"},
      {0.05L, "0.05E+00", "0.05E+00", "0E+00"},
      {0.0316L, "31.6E-03", "31.60E-03", "32E-03"},
      {0.01L, "10E-03", "10.00E-03", "10E-03"},
      {0.002L, "2E-03", "2.00E-03", "2E-03"},
      {-0.00075L, "-0.75E-03", "-0.75E-03", "-1E-03"},
      {0.00001L, "10E-06", "10.00E-06", "10E-06"},
      {0.0000001L, "0.1E-06", "0.10E-06", "0E-06"},
      {1e-12L, "1E-12", "1.00E-12", "1E-12"},
      {1.6e300L, "1.6E+300", "1.60E+300", "2E+300"},
      {0.0L, "0E+00", "0.00E+00", "0E+00"},
      {-0.0L, "-0E+00", "-0.00E+00", "-0E+00"},
  };
  for (const ScientificRow& row : rows) {
    const double shown = static_cast<double>(row.value);
    EXPECT_EQ(ScientificText(row.value, 16), row.general) << shown;
    EXPECT_EQ(ScientificText(row.value, 2), row.twoPlaces) << shown;
    EXPECT_EQ(ScientificText(row.value, 0), row.noPlaces) << shown;
  }
}

TEST(ScientificText, WritesEveryExponentWithTwoDigitsAtLeast) {
  const struct {
    long double value;
    const char* text;
  } cases[] = {
      {0.005L, "5E-03"},       {0.000005L, "5E-06"},
      {0.000000005L, "5E-09"}, {5e-12L, "5E-12"},
      {5e-300L, "5E-300"},     {5e6L, "5E+06"},
      {5e99L, "5E+99"},        {5e102L, "5E+102"},
      {-5e-9L, "-5E-09"},      {LDBL_MAX, "1.18973149535723E+4932"},
      {-1.0L, "-1E+00"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScientificText(c.value, 16), c.text);
}

TEST(ScientificText, UsesTheDecimalSeparator) {
  EXPECT_EQ(ScientificText(12345.678L, 16, ','), "12,345678E+03");
  EXPECT_EQ(ScientificText(0.0L, 2, ','), "0,00E+00");
  EXPECT_EQ(ScientificText(-0.00075L, 2, ','), "-0,75E-03");
}

// Below 1E-4929 the power of ten would itself be a denormal with few bits; the mantissa must
// still be that of the exact value.
TEST(ScientificText, KeepsTheMantissaOfTheSmallestValues) {
  const struct {
    long double value;
    const char* text;
  } cases[] = {
      {LDBL_TRUE_MIN, "0.36451995318824E-4950"},
      {-LDBL_TRUE_MIN, "-0.36451995318824E-4950"},
      {3e-4940L, "29.9999999998815E-4941"},  // the nearest denormal to 3E-4940
      {LDBL_MIN, "3.36210314311209E-4932"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScientificText(c.value, 16), c.text) << static_cast<double>(c.value);
  }
}

// The text, read back, is close to the value: at most the cut of the last of the 13 to 15
// mantissa digits, plus the error of Power10, away from it. This catches an exponent and a
// mantissa that do not belong together.
void ExpectScientificReadsBack(long double x) {
  const std::string text = ScientificText(x, 16);
  const long double back = std::strtold(text.c_str(), nullptr);
  EXPECT_LE(std::fabs(back - x), 1e-12L * std::fabs(x) + LDBL_TRUE_MIN) << text;
}

TEST(ScientificText, ReadsBackCloseToTheValueOverTheWholeRange) {
  std::mt19937_64 random(31);
  for (int i = 0; i < 20000; ++i) {
    Float80Bits bits;
    bits.negative = (random() & 1) != 0;
    bits.biasedExponent = static_cast<std::uint16_t>(1 + random() % 32766);
    bits.significand = random() | 1ULL << 63;
    ExpectScientificReadsBack(FromBits(bits));
    if (HasFailure()) break;
  }
  // Denormals of every size; random bit patterns would hardly ever give one.
  for (int i = 0; i < 5000; ++i) {
    Float80Bits bits;
    bits.negative = (random() & 1) != 0;
    bits.significand = (random() >> 1) >> (random() % 63);
    ExpectScientificReadsBack(FromBits(bits));
    if (HasFailure()) break;
  }
}

TEST(Power10, ComesCloseToThePowerAndOverflowsBeyondTheRange) {
  EXPECT_EQ(Power10(0), 1.0L);
  EXPECT_LT(std::fabs(Power10(3) / 1000 - 1), 1e-18L);
  EXPECT_LT(std::fabs(Power10(-300) / 1e-300L - 1), 1e-16L);
  EXPECT_GT(Power10(-4950), 0.0L);
  EXPECT_THROW(Power10(4933), EOverflow);
}

TEST(ScientificText, RefusesValuesThatAreNotFinite) {
  EXPECT_THROW(ScientificText(HUGE_VALL, 16), EInvalidOp);
  EXPECT_THROW(ScientificText(-HUGE_VALL, 2), EInvalidOp);
  EXPECT_THROW(ScientificText(NAN, 16), EInvalidOp);
}

}  // namespace
}  // namespace calcorix::test
