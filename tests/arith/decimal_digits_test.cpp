#include "arith/decimal_digits.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <random>
#include <string>

#include "arith/float80.hpp"

namespace calcorix::test {
namespace {

// The oracle: the C++ library's exact scientific text of x with `precision` digits after the
// point, rounded at the last one.
std::string Scientific(long double x, int precision) {
  std::string buffer(precision + 32, '\0');
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                              std::chars_format::scientific, precision);
  buffer.resize(result.ptr - buffer.data());
  return buffer;
}

// The 18 leading digits of |x|, truncated, and floor(log10|x|), derived from the oracle. A
// rounded text truncates to the true digits unless its rounding carried into them, which leaves
// only zeros behind the 18th digit; then more digits are asked for until the doubt is gone.
DecimalDigits OracleDigits(long double x) {
  for (int precision : {40, 200, 6000, 17000}) {
    const std::string text = Scientific(x < 0 ? -x : x, precision);
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    const bool doubtful =
        digits.find_first_not_of('0', kExactDigitCount) == std::string::npos && precision < 17000;
    if (doubtful) continue;
    DecimalDigits d;
    d.negative = SignBit(x);
    d.digits = std::stoull(digits.substr(0, kExactDigitCount));
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
  }
  ADD_FAILURE() << "oracle undecided";
  return {};
}

void ExpectSameDigits(long double x) {
  const DecimalDigits got = ExactDigits(x);
  if (x == 0) {
    EXPECT_EQ(got.digits, 0u);
    EXPECT_EQ(got.negative, SignBit(x));
    return;
  }
  const DecimalDigits want = OracleDigits(x);
  EXPECT_EQ(got.digits, want.digits) << Scientific(x, 30);
  EXPECT_EQ(got.exponent, want.exponent) << Scientific(x, 30);
  EXPECT_EQ(got.negative, want.negative);
}

TEST(ExactDigits, NamedValues) {
  const long double values[] = {
      1.0L,
      0.1L,
      2.0L / 3,
      1e15L,
      1e16L,
      1e17L,
      1e18L,
      1e19L,
      1e20L,
      9.99e35L,
      1e36L,
      1e40L,
      1e300L,
      1e-15L,
      1e-20L,
      1e-40L,
      123456.789L,
      0.00001L,
      LDBL_MAX,
      LDBL_MIN,
      LDBL_TRUE_MIN,
      LDBL_MIN / 3,
      18446744073709551616.0L,
      3 - 0x1p-62L,
      0.5L,
      1e4000L,
      1e-4000L,
      -0.0L,
      -2.5L,
      999.0L,
      9.5L,
      0.3L,
      1e-5L,
      1.5e-7L,
      7.2574e306L,
  };
  for (long double x : values)
    ExpectSameDigits(x);
}

TEST(ExactDigits, PowersOfTenAndTheirNeighbours) {
  long double p = 1;
  for (int e = 0; e < 4932; ++e) {
    ExpectSameDigits(p);
    ExpectSameDigits(nextafterl(p, 0));
    ExpectSameDigits(nextafterl(p, LDBL_MAX));
    ExpectSameDigits(1 / p);
    p *= 10;
  }
}

TEST(ExactDigits, RandomBitPatternsOverTheWholeRange) {
  std::mt19937_64 random(20261207);
  for (int i = 0; i < 100000; ++i) {
    Float80Bits bits;
    bits.negative = (random() & 1) != 0;
    bits.biasedExponent = static_cast<std::uint16_t>(random() % 32767);  // no infinities or NaNs
    bits.significand = random();
    // A valid encoding: the integer bit is set exactly for normal numbers.
    if (bits.biasedExponent == 0) {
      bits.significand &= ~(1ULL << 63);
    } else {
      bits.significand |= 1ULL << 63;
    }
    ExpectSameDigits(FromBits(bits));
    if (HasFailure()) break;
  }
}

TEST(ExactDigits, RandomValuesNearOne) {
  std::mt19937_64 random(7);
  std::uniform_int_distribution<int> exponent(-70, 70);
  for (int i = 0; i < 100000; ++i) {
    Float80Bits bits;
    bits.biasedExponent = static_cast<std::uint16_t>(16383 + exponent(random));
    bits.significand = random() | (1ULL << 63);
    ExpectSameDigits(FromBits(bits));
    if (HasFailure()) break;
  }
}

struct RoundCase {
  long double value;
  int significant;
  int lowestPlace;
  std::uint64_t mantissa;
  int scale;
};

TEST(RoundDecimal, HalfAwayFromZeroAtTheFirstDroppedDigit) {
  const RoundCase cases[] = {
      {2.5L, 17, 0, 3, 0},
      {-2.5L, 17, 0, 3, 0},
      {0.0006L, 17, -3, 1, -3},
      {0.0004L, 17, -3, 0, -3},
      {0.125L, 17, -2, 13, -2},
      {2.0L / 3, 17, -15, 666666666666667, -15},
      {1.0L / 3, 17, -15, 333333333333333, -15},
      {999.0L, 2, -100, 100, 1},
      {123456789.123456789L, 17, -15, 12345678912345679, -8},
      {9.999L, 3, -100, 1000, -2},
      {0.0000049L, 17, -5, 0, -5},
      {0.0000051L, 17, -5, 1, -5},
      {-0.125L, 2, -5, 13, -2},
  };
  for (const RoundCase& c : cases) {
    const RoundedDecimal r = RoundDecimal(ExactDigits(c.value), c.significant, c.lowestPlace);
    EXPECT_EQ(r.mantissa, c.mantissa) << static_cast<double>(c.value);
    if (r.mantissa != 0) {
      EXPECT_EQ(r.scale, c.scale) << static_cast<double>(c.value);
    }
  }
}

TEST(RoundSignificant, KeepsTheDigitCountAcrossACarry) {
  const RoundedDecimal r = RoundSignificant(ExactDigits(999.0L), 2);
  EXPECT_EQ(r.mantissa, 10u);
  EXPECT_EQ(r.scale, 2);
  const RoundedDecimal s = RoundSignificant(ExactDigits(3 - 0x1p-62L), 16);
  EXPECT_EQ(s.mantissa, 3000000000000000u);
  EXPECT_EQ(s.scale, -15);
}

TEST(AppendFixed, PlacesThePointAndPadsWithZeros) {
  struct FixedCase {
    RoundedDecimal value;
    int decimals;
    const char* text;
  };
  const FixedCase cases[] = {
      {{0, 0}, 0, "0"},
      {{0, -3}, 3, "0.000"},
      {{5, -1}, 15, "0.500000000000000"},
      {{1, -3}, 3, "0.001"},
      {{12345, -2}, 2, "123.45"},
      {{12345, 2}, 1, "1234500.0"},
      {{3, 0}, 0, "3"},
      {{333, -15}, 15, "0.000000000000333"},
  };
  for (const FixedCase& c : cases) {
    std::string out;
    AppendFixed(out, c.value, c.decimals);
    EXPECT_EQ(out, c.text);
  }
}

}  // namespace
}  // namespace calcorix::test
