#include "arith/nearest_value.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "arith/float80.hpp"

namespace calcorix::test {
namespace {

std::string Bits(std::optional<long double> x) {
  if (!x) return "nothing";
  char text[64];
  const Float80Bits bits = BitsOf(*x);
  std::snprintf(text, sizeof text, "%s%04X:%016llX", bits.negative ? "-" : "+", bits.biasedExponent,
                static_cast<unsigned long long>(bits.significand));
  return text;
}

TEST(NearestValue, RoundsToNearestTiesToEvenWithinTheNormalRange) {
  const long double ulpOfOne = LDBL_EPSILON;  // 2^-63
  const struct {
    const char* digits;
    long long exponent;
    std::optional<long double> expected;
  } rows[] = {
      {"0", 0, 0.0L},
      {"000", -99999, 0.0L},
      {"1", -1, 0.1L},
      {"0001500", -3, 1.5L},
      {"123456789012345678901234567890", -29, 1.2345678901234567890123456789L},
      // 1 + 2^-64, exactly halfway: to the even 1; 1 + 3 * 2^-64: to the even 1 + 2^-62.
      {"10000000000000000000542101086242752217003726400434970855712890625", -64, 1.0L},
      {"10000000000000000001626303258728256651011179201304912567138671875", -64,
       1.0L + 2 * ulpOfOne},
      // just above halfway: up
      {"100000000000000000005421010862427522170037264004349708557128906251", -65, 1.0L + ulpOfOne},
      {"118973149535723176502", 4912, LDBL_MAX},
      {"118973149535723176508", 4912, std::nullopt},  // rounds to 2^16384
      {"1", 4933, std::nullopt},
      {"336210314311209350626", -4952, LDBL_MIN},
      {"33621031431120935062", -4951, LDBL_MIN},     // just below, rounded up to it
      {"3362103143112093506", -4950, std::nullopt},  // below it after rounding: a denormal
      {"1", -4940, std::nullopt},
      {"1", -99999, std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Bits(NearestValue(false, row.digits, row.exponent)), Bits(row.expected))
        << row.digits << "E" << row.exponent;
  }
  EXPECT_EQ(Bits(NearestValue(true, "0", 0)), Bits(-0.0L));
  EXPECT_EQ(Bits(NearestValue(true, "25", -1)), Bits(-2.5L));
}

// The C library's strtold as the oracle, on texts of every length and magnitude.
TEST(NearestValue, AgreesWithTheCLibrary) {
  std::mt19937_64 random(23);
  for (int i = 0; i < 20000; ++i) {
    std::string digits;
    const int length = 1 + static_cast<int>(random() % (i % 4 == 0 ? 200 : 25));
    for (int k = 0; k < length; ++k)
      digits.push_back(static_cast<char>('0' + random() % 10));
    const long long exponent = static_cast<long long>(random() % 9860) - 4930 - length / 2;
    const std::string text = digits + "e" + std::to_string(exponent);
    const long double oracle = std::strtold(text.c_str(), nullptr);
    const bool normal = std::isnormal(oracle) ||
                        (oracle == 0 && digits.find_first_not_of('0') == std::string::npos);
    EXPECT_EQ(Bits(NearestValue(false, digits, exponent)),
              Bits(normal ? std::optional<long double>(oracle) : std::nullopt))
        << text;
    if (HasFailure()) break;
  }
}

}  // namespace
}  // namespace calcorix::test
