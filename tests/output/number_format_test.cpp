#include "output/number_format.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <string>

#include "arith/constants.hpp"

namespace calcorix::test {
namespace {

// Printed in failure messages: the value itself, to more digits than any text shows.
std::string Show(long double x) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 21);
  return std::string(buffer, result.ptr);
}

struct GeneralCase {
  long double value;
  int p;
  int k;
  const char* text;
};

TEST(FormatGeneral, WritesTheShortestFormWithoutTrailingZeros) {
  const GeneralCase cases[] = {
      {0.0L, 16, 1, "0"},
      {1.0L, 16, 1, "1"},
      {0.1L, 16, 1, "0.1"},
      {2.0L / 3, 16, 1, "0.666666666666666"},  // cut, not rounded up
      {10.0L / 3, 16, 1, "3.333333333333333"},
      {100.0L / 7, 16, 1, "14.28571428571428"},
      {kPi, 16, 1, "3.141592653589793"},
      {123456.789L, 16, 1, "123456.789"},
      {1234567890123456.5L, 16, 1, "1234567890123456.5"},  // 16 integer digits: nothing is cut
      {1e15L, 16, 1, "1000000000000000"},
      {-1e15L, 16, 1, "-1E15"},
      {1e16L, 16, 1, "1E16"},
      {0x1p64L, 16, 1, "1.844674407370955E19"},
      {0.00001L, 16, 1, "0.00001"},
      {0.000012345678901234567L, 16, 1, "0.000012345678901"},
      {0.000001L, 16, 1, "1E-6"},
      {1.5e-7L, 16, 1, "1.5E-7"},
      {-0.5L, 16, 1, "-0.5"},
      {-0.0L, 16, 1, "-0"},
      {-1234567890123456.0L, 16, 1, "-1.234567890123456E15"},
      {-123456789012345.6789L, 16, 1, "-123456789012345.6"},
      {0.0000099999999999999L, 16, 1, "9.9999999999999E-6"},
      {-0.0000000001L, 16, 1, "-1E-10"},
      {1e300L, 16, 1, "1E300"},
      {LDBL_MAX, 16, 1, "1.189731495357232E4932"},
      {LDBL_TRUE_MIN, 16, 1, "3.645199531882475E-4951"},
      {2.0L / 3, 15, 0, "0.66666666666666"},
      {kPi, 15, 0, "3.14159265358979"},
      {0.0000012345678901234567L, 15, 0, "1.23456789012346E-6"},
      {999.99999999999999995L, 15, 0, "1000"},  // rounds into a fourth integer digit
      {0.99999999999999999L, 15, 0, "1"},
  };
  for (const GeneralCase& c : cases) {
    EXPECT_EQ(FormatGeneral(c.value, c.p, c.k), c.text) << Show(c.value) << " p=" << c.p;
  }
}

struct FixedCase {
  long double value;
  int decimals;
  const char* text;
};

TEST(FormatFixed, RoundsHalfAwayFromZeroAtTheLastPlace) {
  const FixedCase cases[] = {
      {2.5L, 0, "3"},
      {-2.5L, 0, "-3"},
      {0.0L, 2, "0.00"},
      {-0.0L, 0, "-0"},
      {-0.0004L, 2, "-0.00"},
      {2.0L / 3, 20, "0.66666666666666667"},
      {2.0L / 3, 2, "0.67"},
      {123456.789L, 0, "123457"},
      {0.0004L, 3, "0.000"},
      {0.0006L, 3, "0.001"},
      {0.9996L, 3, "1.000"},
      {1e20L, 2, "100000000000000000000.00"},
      {0x1p64L, 0, "18446744073709552000"},
      {9.99e35L, 0, "999000000000000000000000000000000000"},
      {1e40L, 2, "1.0000000000000000E+0040"},
      {-1e40L, 0, "-1.0000000000000000E+0040"},
      {1e36L, 0, "1.0000000000000000E+0036"},
      {9.99999999999999999e35L, 0, "1.0000000000000000E+0036"},  // rounds up to 1E36
      {123.456L, 17, "123.45600000000000000"},  // 17 significant digits, zeros beyond
      {LDBL_TRUE_MIN, 17, "0.00000000000000000"},
      {-LDBL_MAX, 5, "-1.1897314953572318E+4932"},
  };
  for (const FixedCase& c : cases) {
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << Show(c.value) << " d=" << c.decimals;
  }
}

struct ExponentCase {
  long double value;
  int p;
  int k;
  const char* text;
};

TEST(FormatExponent, KeepsTheDigitCountAndTrimsTheExponent) {
  const ExponentCase cases[] = {
      {1234.5L, 0, 2, "1.2E+03"},
      {1234.5L, 1, 2, "1.2E+03"},
      {1234.5L, 2, 2, "1.2E+03"},
      {1234.5L, 5, 4, "1.2345E+0003"},
      {1234.5L, 5, 9, "1.2345E+0003"},
      {1234.5L, 5, 0, "1.2345E+3"},
      {2.0L / 3, 20, 2, "6.6666666666666667E-01"},
      {999.0L, 2, 2, "1.0E+03"},
      {12.9996L, 3, 2, "1.30E+01"},
      {1e300L, 5, 2, "1.0000E+300"},
      {0.0L, 5, 2, "0.0000E+00"},
      {1.5L, 3, 0, "1.50"},  // k = 0 and exponent 0: no exponent at all
      {-0.00123L, 3, 2, "-1.23E-03"},
      {-0.0L, 2, 1, "-0.0E+0"},
      {LDBL_TRUE_MIN, 17, 2, "3.6451995318824746E-4951"},
  };
  for (const ExponentCase& c : cases) {
    EXPECT_EQ(FormatExponent(c.value, c.p, c.k), c.text) << Show(c.value) << " p=" << c.p;
  }
}

TEST(ExponentText, HasASignPlaceAndFourExponentDigits) {
  EXPECT_EQ(ExponentText(1234.5L, 5), " 1.2345E+0003");
  EXPECT_EQ(ExponentText(-0.00123L, 3), "-1.23E-0003");
  EXPECT_EQ(ExponentText(0.0L, 4), " 0.000E+0000");
  EXPECT_EQ(ExponentText(-0.0L, 2), "-0.0E+0000");
  EXPECT_EQ(ExponentText(9.9999L, 2), " 1.0E+0001");
}

TEST(FormatExponentPattern, DropsTrailingZerosAndKeepsTwoExponentDigits) {
  const FixedCase cases[] = {
      {1234.5L, 0, "1.2345E+03"},
      {1000.0L, 0, "1E+03"},
      {0.0L, 0, "0E+00"},
      {-0.0L, 0, "-0E+00"},
      {-0.00123L, 0, "-1.23E-03"},
      {2.0L / 3, 0, "6.666666666666667E-01"},
      {kPi, 0, "3.141592653589793E+00"},
      {1e300L, 0, "1E+300"},
      {3 - 0x1p-62L, 0, "3E+00"},
      {-1.0L, 0, "-1E+00"},
      {LDBL_MAX, 0, "1.189731495357232E+4932"},
  };
  for (const FixedCase& c : cases) {
    EXPECT_EQ(FormatExponentPattern(c.value), c.text) << Show(c.value);
  }
}

TEST(FormatTwoDigits, LetsTheMinusTakeOneOfTheTwoPlaces) {
  const struct {
    int e;
    const char* text;
  } cases[] = {{0, "00"},  {3, "03"},    {12, "12"},     {300, "300"},    {4932, "4932"},
               {-3, "-3"}, {-12, "-12"}, {-300, "-300"}, {-4950, "-4950"}};
  for (const auto& c : cases)
    EXPECT_EQ(FormatTwoDigits(c.e), c.text) << c.e;
}

TEST(DecimalSeparator, ReplacesThePointInEveryPrintedForm) {
  EXPECT_EQ(FormatGeneral(2.0L / 3, 16, 1, ','), "0,666666666666666");
  EXPECT_EQ(FormatGeneral(1.5e-7L, 16, 1, ','), "1,5E-7");
  EXPECT_EQ(FormatGeneral(1e15L, 16, 1, ','), "1000000000000000");
  EXPECT_EQ(FormatExponentPattern(1234.5L, ','), "1,2345E+03");
  EXPECT_EQ(FormatExponent(1234.5L, 5, 2, ','), "1,2345E+03");
  EXPECT_EQ(FormatFixed(0.5L, 1, ','), "0,5");
  EXPECT_EQ(FormatFixed(1e40L, 2, ','), "1,0000000000000000E+0040");
  // The internal texts keep "." whatever the separator.
  EXPECT_EQ(FixedPointText(0.5L, 1), "0.5");
  EXPECT_EQ(ExponentText(1234.5L, 5), " 1.2345E+0003");
}

TEST(DecimalSeparator, AnyByteIsPlacedOnlyWhereThePointWas) {
  // A separator that is itself a digit must not be mistaken for a trailing zero.
  EXPECT_EQ(FormatGeneral(10.5L, 16, 1, '0'), "1005");
  EXPECT_EQ(FormatGeneral(100.0L, 16, 1, '0'), "100");
  EXPECT_EQ(FormatGeneral(1.5e-7L, 16, 1, '0'), "105E-7");
}

}  // namespace
}  // namespace calcorix::test
