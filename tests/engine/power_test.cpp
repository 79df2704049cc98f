// Power, IntPower and Factorial: values and the kind of each refusal.
#include "engine/power.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "engine/factorial.hpp"
#include "engine_test_support.hpp"

namespace calcorix::test {
namespace {

struct Row {
  const char* name;
  std::function<long double()> step;
  Kind kind;
  long double value;
};

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    const Outcome o = Observe(row.step);
    EXPECT_EQ(o.kind, row.kind) << row.name;
    if (row.kind == Kind::Value) {
      EXPECT_EQ(o.value, row.value) << row.name;
    }
  }
}

TEST(Power, DecidesInItsOrder) {
  ExpectRows({
      {"2^10", [] { return Power(2, 10); }, Kind::Value, 1024},
      {"-2^3", [] { return Power(-2, 3); }, Kind::Value, -8},
      {"5^0", [] { return Power(5, 0); }, Kind::Value, 1},
      {"-5^-0", [] { return Power(-5, -0.0L); }, Kind::Value, 1},
      {"0^0", [] { return Power(0, 0); }, Kind::InvalidArgument, 0},
      {"-0^0", [] { return Power(-0.0L, 0); }, Kind::InvalidArgument, 0},
      {"0^2.5", [] { return Power(0, 2.5L); }, Kind::Value, 0},
      {"0^-1", [] { return Power(0, -1); }, Kind::DivByZero, 0},
      {"-0^-2", [] { return Power(-0.0L, -2); }, Kind::DivByZero, 0},
      {"0^-0.5", [] { return Power(0, -0.5L); }, Kind::InvalidArgument, 0},
      {"-8^(1/3)", [] { return Power(-8, 1.0L / 3); }, Kind::InvalidArgument, 0},
      {"-2^3E9", [] { return Power(-2, 3e9L); }, Kind::InvalidArgument, 0},
      {"4^0.5", [] { return Power(4, 0.5L); }, Kind::Value, 2},
      {"2^3E9", [] { return Power(2, 3e9L); }, Kind::Overflow, 0},
      {"0.5^3E9", [] { return Power(0.5L, 3e9L); }, Kind::Value, 0},
      {"10^5000", [] { return Power(10, 5000); }, Kind::Overflow, 0},
      {"-1^2147483647", [] { return Power(-1, 2147483647.0L); }, Kind::Value, -1},
  });
}

TEST(Power, IntPowerEdges) {
  ExpectRows({
      {"0^0", [] { return IntPower(0, 0); }, Kind::InvalidArgument, 0},
      {"3^0", [] { return IntPower(3, 0); }, Kind::Value, 1},
      {"2^-2", [] { return IntPower(2, -2); }, Kind::Value, 0.25},
      {"3^13", [] { return IntPower(3, 13); }, Kind::Value, 1594323},
      {"2^16383", [] { return IntPower(2, 16383); }, Kind::Value, std::ldexp(1.0L, 16383)},
      {"2^16384", [] { return IntPower(2, 16384); }, Kind::Overflow, 0},
      // The product overflows, but 2^-16400 is representable (ruling D20).
      {"2^-16400", [] { return IntPower(2, -16400); }, Kind::Value, std::ldexp(1.0L, -16400)},
      {"1^-2^31", [] { return IntPower(1, std::numeric_limits<std::int32_t>::min()); }, Kind::Value,
       1},
  });
}

// Ruling D20: a negative whole exponent whose product b^n has left the normal range. References:
// mpmath at 50 digits; exact powers of two where the value is one.
TEST(Power, D20NegativeWholePowersGiveTheirTrueValue) {
  struct D20Row {
    long double base;
    std::int32_t exponent;
    Kind kind;
    long double value;
    long double tolerance;  // relative; 0: bit for bit
  };
  const long double third = 1.0L / 3;
  const D20Row rows[] = {
      // b^n overflows; b^-n is a denormal, a denormal of the other sign, or 0.
      {2, -16400, Kind::Value, std::ldexp(1.0L, -16400), 0},
      {2, -16384, Kind::Value, std::ldexp(1.0L, -16384), 0},
      {-2, -16401, Kind::Value, -std::ldexp(1.0L, -16401), 0},
      {-2, -16400, Kind::Value, std::ldexp(1.0L, -16400), 0},
      {10, -5000, Kind::Value, 0, 0},  // 1E-5000 is below the smallest denormal
      {1E300L, -20, Kind::Value, 0, 0},
      // b^n underflows: the true b^-n overflows (no division by zero), or fits with every bit
      // (the product, a denormal, had lost two).
      {0.5L, -20000, Kind::Overflow, 0, 0},
      {1E-2000L, -3, Kind::Overflow, 0, 0},
      {-0.5L, -16385, Kind::Overflow, 0, 0},
      {third, -10337, Kind::Value, 1.005564741589803150046409E4932L, 2E-19L},
      {0.5L, -16383, Kind::Value, std::ldexp(1.0L, 16383), 0},
      // b^n normal: 1 / b^n as before.
      {2, -10, Kind::Value, 1.0L / 1024, 0},
      {2, -16382, Kind::Value, std::ldexp(1.0L, -16382), 0},
      {3, -10000, Kind::Value, 6.129891723952414599871153E-4772L, 1E-17L},
      {0.5L, -16382, Kind::Value, std::ldexp(1.0L, 16382), 0},
      // A zero base still divides by zero.
      {0, -1, Kind::DivByZero, 0, 0},
      {-0.0L, -16400, Kind::DivByZero, 0, 0},
  };
  for (const D20Row& row : rows) {
    const Outcome o = Observe([&] { return IntPower(row.base, row.exponent); });
    EXPECT_EQ(o.kind, row.kind) << row.base << "^" << row.exponent;
    if (row.kind == Kind::Value && o.kind == Kind::Value) {
      EXPECT_EQ(std::signbit(o.value), std::signbit(row.value)) << row.base << "^" << row.exponent;
      EXPECT_TRUE(SameValue(o.value, row.value, row.tolerance))
          << row.base << "^" << row.exponent << " gave " << o.value << ", expected " << row.value;
    }
  }
}

TEST(Factorial, EdgesTheExpressionsDoNotReach) {
  ExpectRows({
      {"-0!", [] { return Factorial(-0.0L); }, Kind::Value, 1},
      {"1.5!", [] { return Factorial(1.5L); }, Kind::Value, 1},
      {"-0.5!", [] { return Factorial(-0.5L); }, Kind::InvalidArgument, 0},
      {"1E300!", [] { return Factorial(1e300L); }, Kind::Overflow, 0},  // the loop ends at 1755
  });
}

}  // namespace
}  // namespace calcorix::test
