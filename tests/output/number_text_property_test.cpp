// Properties of the number texts over random 80-bit values: the 17-digit texts read back within
// one unit of their last digit, and the fixed and exponent forms of one value agree digit for
// digit wherever they keep the same number of significant digits.

#include <gtest/gtest.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "arith/decimal_digits.hpp"
#include "arith/float80.hpp"
#include "output/number_format.hpp"

namespace calcorix::test {
namespace {

// A decimal text reduced to its sign, its significant digits without trailing zeros, and the
// decimal exponent of the first of them. Zero has no digits.
struct Reading {
  bool negative = false;
  std::string digits;
  int exponent = 0;
  bool operator==(const Reading&) const = default;
};

Reading Read(std::string text) {
  Reading r;
  if (!text.empty() && (text[0] == '-' || text[0] == ' ')) {
    r.negative = text[0] == '-';
    text.erase(0, 1);
  }
  int exponent = 0;
  const std::size_t e = text.find('E');
  if (e != std::string::npos) {
    exponent = std::stoi(text.substr(e + 1));
    text.erase(e);
  }
  const std::size_t point = text.find('.');
  const int integerDigits = static_cast<int>(point == std::string::npos ? text.size() : point);
  if (point != std::string::npos) text.erase(point, 1);
  const std::size_t first = text.find_first_not_of('0');
  if (first == std::string::npos) return r;
  const std::size_t last = text.find_last_not_of('0');
  r.digits = text.substr(first, last - first + 1);
  r.exponent = exponent + integerDigits - 1 - static_cast<int>(first);
  return r;
}

std::string Describe(const Reading& r) {
  return (r.negative ? "-" : "+") + r.digits + "e" + std::to_string(r.exponent);
}

// Valid encodings only: the integer bit is set exactly when the biased exponent is not 0.
long double RandomValue(std::mt19937_64& random, int lowestExponent, int highestExponent) {
  std::uniform_int_distribution<int> exponent(lowestExponent, highestExponent);
  Float80Bits bits;
  bits.negative = (random() & 1) != 0;
  bits.biasedExponent = static_cast<std::uint16_t>(exponent(random));
  bits.significand = random();
  if (bits.biasedExponent == 0) {
    bits.significand &= ~(1ULL << 63);
  } else {
    bits.significand |= 1ULL << 63;
  }
  return FromBits(bits);
}

// The 17-digit text, read by the C library (this test never leaves the "C" locale), lies within
// one unit of its 17th digit of x. The texts of the largest values round beyond the range.
void ExpectReadsBack(long double x) {
  const std::string text = ExponentText(x, 17);
  errno = 0;
  const long double back = std::strtold(text.c_str(), nullptr);
  if (std::isinf(back)) {
    EXPECT_GE(std::fabs(x), 1.18973149535723175e4932L) << text;
    EXPECT_EQ(text.substr(1), "1.1897314953572318E+4932");
    return;
  }
  const int exponent = std::stoi(text.substr(text.find('E') + 1));
  // For denormals the unit can fall below the smallest spacing, which the reading adds.
  const long double unit = std::pow(10.0L, exponent - 16) + LDBL_TRUE_MIN;
  EXPECT_LE(std::fabs(back - x), unit) << text;
}

// FixedPointText with f decimals keeps n = e + 1 + f significant digits (17 at most), where e is
// the decimal exponent of x: the same digits as ExponentText(x, n).
void ExpectFixedAgreesWithExponent(long double x, int f) {
  const std::string fixed = FixedPointText(x, f);
  if (fixed.find('E') != std::string::npos) {
    EXPECT_EQ(fixed, ExponentText(x, 17));
    return;
  }
  const Reading got = Read(fixed);
  const DecimalDigits exact = ExactDigits(x);
  const int n = exact.digits == 0 ? 17 : std::min(17, exact.exponent + 1 + f);
  if (n < 2) {
    // Nothing or one digit is left: the text is zero unless the first dropped digit rounded up.
    if (n < 0) {
      EXPECT_TRUE(got.digits.empty()) << fixed;
    }
    return;
  }
  const Reading want = Read(ExponentText(x, n));
  EXPECT_EQ(got, want) << fixed << " vs " << Describe(want);
}

// The general text, read back, is as close as its cut allows: one unit of the 15th decimal in
// the fixed form from 0.00001 up to 1, one unit of the 16th significant digit elsewhere.
void ExpectGeneralReadsBack(long double x) {
  const std::string text = FormatGeneral(x, 16, 1);
  const long double back = std::strtold(text.c_str(), nullptr);
  if (std::isinf(back)) {
    EXPECT_EQ(text.substr(text[0] == '-' ? 1 : 0), "1.189731495357232E4932");
    return;
  }
  const long double a = std::fabs(x);
  const long double allowed = (a >= 1e-5L && a < 1 ? 1e-15L : 1e-15L * a) + LDBL_TRUE_MIN;
  EXPECT_LE(std::fabs(back - x), allowed) << text;
  EXPECT_EQ(SignBit(x), text[0] == '-') << text;
}

TEST(NumberTexts, AgreeOverRandomBitPatternsOfTheWholeRange) {
  std::mt19937_64 random(4932);
  for (int i = 0; i < 200000; ++i) {
    const long double x = RandomValue(random, 0, 32766);
    ExpectReadsBack(x);
    ExpectFixedAgreesWithExponent(x, static_cast<int>(random() % 18));
    ExpectGeneralReadsBack(x);
    if (HasFailure()) break;
  }
}

// Values of about 1E-19 to 1E38, where the fixed texts show significant digits.
TEST(NumberTexts, AgreeOverRandomValuesWithFixedDigits) {
  std::mt19937_64 random(1650);
  for (int i = 0; i < 100000; ++i) {
    const long double x = RandomValue(random, 16383 - 64, 16383 + 126);
    ExpectReadsBack(x);
    ExpectFixedAgreesWithExponent(x, static_cast<int>(random() % 18));
    ExpectGeneralReadsBack(x);
    if (HasFailure()) break;
  }
}

TEST(NumberTexts, AgreeAtTheEndsOfTheRange) {
  for (long double x : {LDBL_MAX, -LDBL_MAX, LDBL_MIN, LDBL_TRUE_MIN, LDBL_MIN - LDBL_TRUE_MIN,
                        nextafterl(1e36L, 0), 1e36L, 0.0L, -0.0L}) {
    ExpectReadsBack(x);
    for (int f = 0; f <= 17; ++f)
      ExpectFixedAgreesWithExponent(x, f);
    ExpectGeneralReadsBack(x);
  }
}

}  // namespace
}  // namespace calcorix::test
