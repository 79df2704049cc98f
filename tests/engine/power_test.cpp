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
      // The reciprocal of a product that overflows, although 2^-16400 is representable.
      {"2^-16400", [] { return IntPower(2, -16400); }, Kind::Overflow, 0},
      {"1^-2^31", [] { return IntPower(1, std::numeric_limits<std::int32_t>::min()); }, Kind::Value,
       1},
  });
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
