// Reading and writing the engine's number texts.
#include "engine/number_text.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <limits>
#include <random>
#include <string>

#include "arith/float80.hpp"
#include "engine_test_support.hpp"

namespace calcorix::test {
namespace {

// The reading of a number text spelled out step by step, one rounded 80-bit operation at a time
// and each power of ten built anew, for comparison with the optimised reader. Well-formed,
// unsigned texts of digits, at most one "." and an optional "E" exponent only.
long double ReferenceReading(const std::string& text) {
  const std::size_t e = text.find('E');
  const std::string mantissa = text.substr(0, e);
  volatile long double v = 0;
  int fraction = -1;
  for (char c : mantissa) {
    if (c == '.') {
      fraction = 0;
      continue;
    }
    v = v * 10.0L;
    v = v + static_cast<long double>(c - '0');
    if (fraction >= 0) ++fraction;
  }
  auto power = [](int n) {
    volatile long double p = 1;
    for (int i = 0; i < n; ++i)
      p = p * 10.0L;
    return static_cast<long double>(p);
  };
  if (fraction > 0) v = v / power(fraction);
  if (e != std::string::npos) {
    const int exponent = std::stoi(text.substr(e + 1));
    int rest = exponent < 0 ? -exponent : exponent;
    if (rest > 4930) {
      v = exponent < 0 ? v / power(4930) : v * power(4930);
      rest -= 4930;
    }
    v = exponent < 0 ? v / power(rest) : v * power(rest);
  }
  return v;
}

TEST(TextToNumber, AcceptedAndRefusedForms) {
  struct Row {
    std::string text;
    long double value;
  };
  const Row rows[] = {
      {"5", 5},
      {"5.", 5},
      {".5", 0.5},
      {"-5", -5},
      {"+5", 5},
      {"2E3", 2000},
      {"2e3", 2000},
      {"2E-3", 0.002L},
      {"2.5E+03", 2500},
      {" \t 7", 7},
      {"007.250", 7.25},
      {"1E0", 1},
      {"", 0},
      {".", 0},
      {"E5", 0},
      {"1E", 0},
      {"1E+", 0},
      {"1.2.3", 0},
      {"1 ", 0},
      {"--1", 0},
      {"1E2.5", 0},
      {"+", 0},
      {"1x", 0},
      {"12E+-3", 0},
      {"1E000000000000000000000000000000000002", 100},
      {std::string(6000, '0') + "x", 0},  // malformed: no accumulation, no overflow
      {std::string(6000, '0'), 0},
      {"0E9862", 0},  // 10^4930 and 10^4932 are both in range
  };
  for (const Row& row : rows) {
    const Outcome o = Observe([&] { return TextToNumber(row.text); });
    ASSERT_EQ(o.kind, Kind::Value) << row.text;
    EXPECT_EQ(o.value, row.value) << row.text;
  }
  EXPECT_TRUE(SignBit(TextToNumber("-0")));
  EXPECT_TRUE(SignBit(TextToNumber("-0E5")));
}

TEST(TextToNumber, PowersOfTenBeyondTheRangeOverflowEvenForZeroDigits) {
  const std::string rows[] = {
      "1E5000",
      "0E9863",  // 10^4930, then 10^4933
      "0E-9863",
      "1E99999999999999999999999999",
      "0E-99999999999999999999999999",
      "0." + std::string(4933, '0'),  // 10^4933 for the fraction digits
      std::string(5000, '9'),         // the digits themselves leave the range
  };
  for (const std::string& text : rows) {
    EXPECT_EQ(Observe([&] { return TextToNumber(text); }).kind, Kind::Overflow) << text.size();
  }
}

TEST(TextToNumber, AgreesBitForBitWithTheStepByStepReading) {
  std::mt19937_64 random(20240607);
  std::uniform_int_distribution<int> digit(0, 9), length(1, 40), exponent(-4960, 4940);
  for (int i = 0; i < 2000; ++i) {
    std::string text;
    const int n = length(random);
    const int point = std::uniform_int_distribution<int>(0, n)(random);
    for (int k = 0; k < n; ++k) {
      if (k == point) text += '.';
      text += static_cast<char>('0' + digit(random));
    }
    if (i % 2 == 1) text += "E" + std::to_string(exponent(random) / (i % 3 == 0 ? 1 : 200));
    const Outcome o = Observe([&] { return TextToNumber(text); });
    if (o.kind != Kind::Value) continue;  // overflow near the top of the range
    EXPECT_EQ(o.value, ReferenceReading(text)) << text;
  }
  // The switch from whole-number digits to rounded steps, around 2^64.
  for (const char* text :
       {"18446744073709551615", "18446744073709551616", "18446744073709551625",
        "184467440737095516159", "99999999999999999999999", "1844674407370955161.5"}) {
    EXPECT_EQ(TextToNumber(text), ReferenceReading(text)) << text;
  }
}

TEST(FormatSubstitutedValue, WrittenTexts) {
  struct Row {
    long double value;
    const char* text;
  };
  const Row rows[] = {
      {0xC90FDAA22168C235p-62L, "3.141592653589793"},  // the 80-bit value nearest to pi
      {0.5L, "0.500000000000000"},
      {-2.0L, "-2.000000000000000"},
      {1.0L / 3, "0.333333333333333"},
      {2.0L / 3, "0.666666666666667"},
      {100.0L / 3, "33.333333333333333"},
      {12345.678901234567L, "12345.678901234567000"},
      {1e20L, "100000000000000000000.000000000000000"},
      {-1e-20L, "-0.000000000000000"},
      {-0.0L, "-0.000000000000000"},
      {0.0L, "0.000000000000000"},
      {1e40L, "1.0000000000000000E+0040"},
      {-1e40L, "-1.0000000000000000E+0040"},
      {123456789.123456789L, "123456789.123456790000000"},
      {0.0000000000000006L, "0.000000000000001"},
      {-0.9999999999999999L, "-1.000000000000000"},
      {1e35L, "100000000000000000000000000000000000.000000000000000"},
      {9.9999999999999994e35L, "999999999999999940000000000000000000.000000000000000"},
      {9.99999999999999999e35L, "1.0000000000000000E+0036"},    // rounds up into the exponent form
      {1e36L, "1.0000000000000000E+0036"},                      // just below 10^36, rounds up to it
      {0xC.097CE7BC90715B4p+116L, "1.0000000000000000E+0036"},  // the first value above 10^36
      {LDBL_MAX, "1.1897314953572318E+4932"},
      {LDBL_TRUE_MIN, "0.000000000000000"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FormatSubstitutedValue(row.value), row.text) << row.text;
  }
  std::string out = "2*";
  AppendSubstitutedValue(out, 0.25L);
  EXPECT_EQ(out, "2*0.250000000000000");
}

TEST(FormatSubstitutedValue, MatchesARoundedFixedTextBelowTen) {
  // Below 10 the 15 decimals are the binding limit, so the text is the value rounded to 15
  // places; exact ties, where the two roundings differ, do not occur among these values.
  std::mt19937_64 random(7);
  std::uniform_real_distribution<long double> magnitude(-9.99L, 9.99L);
  for (int i = 0; i < 2000; ++i) {
    const long double x = magnitude(random);
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 15);
    std::string expected(buffer, r.ptr);
    EXPECT_EQ(FormatSubstitutedValue(x), expected);
  }
}

TEST(FormatSubstitutedValue, RefusesWhatIsNotANumber) {
  auto format = [](long double x) {
    return [x] {
      FormatSubstitutedValue(x);
      return 0.0L;
    };
  };
  EXPECT_EQ(Observe(format(std::numeric_limits<long double>::infinity())).kind, Kind::Overflow);
  EXPECT_EQ(Observe(format(std::numeric_limits<long double>::quiet_NaN())).kind, Kind::InvalidOp);
}

}  // namespace
}  // namespace calcorix::test
