#include "functions/trigonometric.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "arith/constants.hpp"
#include "evaluate.hpp"

namespace calcorix {
namespace {

using testing::AngleUnitScope;
using testing::Evaluate;
using testing::Evaluation;
using testing::Outcome;
using testing::OutcomeName;
using testing::WithinUlps;

constexpr AngleUnit kDeg = AngleUnit::Degrees;
constexpr AngleUnit kRad = AngleUnit::Radians;
constexpr AngleUnit kGrad = AngleUnit::Grads;

struct Case {
  AngleUnit unit;
  const char* name;
  long double x;
  Outcome outcome;
  long double expected = 0;
  int ulps = 0;
};

// In Degrees and Grads the expected values are those of the formulas with the 80-bit pi, which is
// 1.6E-18 above pi: SIN(30) is 0.5 + 2.3E-19, COS(60) 0.5 - 4.5E-19, ASIN(0.5) 30 - 1.5E-17. They
// differ from the round values by up to 17 units in the last place, and vanish in the 15-decimal
// texts the scanner writes. Radians: the true values.
TEST(Trigonometric, EveryFunctionInEveryAngleUnit) {
  constexpr Outcome kValue = Outcome::Value;
  const Case cases[] = {
      {kDeg, "SIN(", 30, kValue, 0.5000000000000000002263283L, 4},
      {kDeg, "SIN(", 0, kValue, 0},
      {kDeg, "SIN(", -90, kValue, -1, 1},
      {kDeg, "COS(", 60, kValue, 0.4999999999999999995473434L, 4},
      {kDeg, "COS(", 180, kValue, -1, 1},
      {kDeg, "TAN(", 45, kValue, 1.000000000000000000784024L, 4},
      {kDeg, "TAN(", -45, kValue, -1.000000000000000000784024L, 4},
      {kDeg, "COT(", 45, kValue, 0.9999999999999999992159757L, 4},
      {kDeg, "SEC(", 60, kValue, 2.000000000000000001810627L, 4},
      {kDeg, "CSC(", 30, kValue, 1.999999999999999999094687L, 4},
      {kDeg, "ASIN(", 0.5L, kValue, 29.99999999999999998502624L, 4},
      {kDeg, "ASIN(", -1, kValue, -89.99999999999999995507872L, 4},
      {kDeg, "ACOS(", 0, kValue, 89.99999999999999995507872L, 4},
      {kDeg, "ACOS(", -1, kValue, 179.9999999999999999101574L, 4},
      {kDeg, "ACOS(", -0.5L, kValue, 119.999999999999999940105L, 4},
      {kDeg, "ACOS(", 1, kValue, 0},
      {kDeg, "ATAN(", 1, kValue, 44.99999999999999997753936L, 4},
      {kDeg, "ATAN(", -1, kValue, -44.99999999999999997753936L, 4},
      {kGrad, "SIN(", 100, kValue, 1, 1},
      {kGrad, "COS(", 200, kValue, -1, 1},
      {kGrad, "TAN(", 50, kValue, 1.000000000000000000784024L, 4},
      {kGrad, "COT(", 50, kValue, 0.9999999999999999992159757L, 4},
      {kGrad, "SEC(", 0, kValue, 1},
      {kGrad, "CSC(", 100, kValue, 1, 1},
      {kGrad, "ASIN(", 1, kValue, 99.99999999999999995008746L, 4},
      {kGrad, "ACOS(", -1, kValue, 199.9999999999999999001749L, 4},
      {kGrad, "ATAN(", 1, kValue, 49.99999999999999997504373L, 4},
      {kRad, "SIN(", 30, kValue, -0.9880316240928617899877489L, 2},
      {kRad, "COS(", 30, kValue, 0.1542514498875840507186621L, 4},
      {kRad, "TAN(", 1, kValue, 1.557407724654902230506975L, 4},
      {kRad, "COT(", 1, kValue, 0.6420926159343307030064200L, 4},
      {kRad, "SEC(", 1, kValue, 1.850815717680925617911753L, 4},
      {kRad, "CSC(", 1, kValue, 1.188395105778121216261599L, 4},
      {kRad, "ASIN(", 1, kValue, 1.570796326794896619231322L, 1},
      {kRad, "ASIN(", -1, kValue, -1.570796326794896619231322L, 1},
      {kRad, "ACOS(", -1, kValue, 3.141592653589793238462643L, 1},
      {kRad, "ACOS(", -0.5L, kValue, 2.094395102393195492308429L, 1},
      {kRad, "ATAN(", 1, kValue, 0.7853981633974483096156608L, 1},
  };
  for (const Case& c : cases) {
    AngleUnitScope scope(c.unit);
    const Evaluation got = Evaluate(c.name, c.x);
    ASSERT_EQ(got.outcome, c.outcome) << c.name << c.x << ") in unit " << int(c.unit);
    EXPECT_TRUE(WithinUlps(got.value, c.expected, c.ulps))
        << c.name << c.x << ") in unit " << int(c.unit) << " = " << got.value << ", expected "
        << c.expected;
  }
}

TEST(Trigonometric, ErrorsInEveryAngleUnit) {
  struct ErrorCase {
    const char* name;
    long double x;
    Outcome outcome;
  };
  const ErrorCase cases[] = {
      {"COT(", 0, Outcome::DivByZero},     {"CSC(", 0, Outcome::DivByZero},
      {"COT(", -0.0L, Outcome::DivByZero}, {"ASIN(", 1.5L, Outcome::Invalid},
      {"ASIN(", -2, Outcome::Invalid},     {"ACOS(", -1.5L, Outcome::Invalid},
      {"ACOS(", 1E100L, Outcome::Invalid}, {"SI(", 0, Outcome::Invalid},
  };
  for (const AngleUnit unit : {kDeg, kRad, kGrad}) {
    AngleUnitScope scope(unit);
    for (const ErrorCase& c : cases) {
      EXPECT_STREQ(OutcomeName(Evaluate(c.name, c.x).outcome), OutcomeName(c.outcome))
          << c.name << c.x << ") in unit " << int(unit);
    }
  }
  // Only the conversion to radians can overflow, so only Degrees and Grads do.
  for (const char* name : {"SIN(", "COS(", "TAN(", "COT(", "SEC(", "CSC("}) {
    for (const AngleUnit unit : {kDeg, kGrad}) {
      AngleUnitScope scope(unit);
      EXPECT_EQ(Evaluate(name, 1E4932L).outcome, Outcome::Overflow) << name << " in " << int(unit);
    }
    AngleUnitScope scope(kRad);
    EXPECT_EQ(Evaluate(name, 1E4932L).outcome, Outcome::Value) << name;
  }
}

TEST(Trigonometric, ToRadiansMultipliesFirstThenDivides) {
  EXPECT_TRUE(WithinUlps(ToRadians(123.456L, kRad), 123.456L, 0));
  EXPECT_TRUE(WithinUlps(ToRadians(180, kDeg), kPi, 1));
  // (1E4932 / 180) * pi would fit; the product comes first and does not.
  EXPECT_THROW(ToRadians(1E4932L, kDeg), EOverflow);
  EXPECT_TRUE(WithinUlps(ToRadians(200, kGrad), kPi, 1));
}

TEST(Trigonometric, RightAnglesThroughTheOffsetPiAreNotExact) {
  AngleUnitScope scope(kDeg);
  // cos(90 degrees) is -7.8E-19, not 0, so TAN(90) is a large finite value, not an error.
  const Evaluation cos90 = Evaluate("COS(", 90);
  ASSERT_EQ(cos90.outcome, Outcome::Value);
  EXPECT_LT(std::fabs(cos90.value), 1E-18L);
  const Evaluation tan90 = Evaluate("TAN(", 90);
  ASSERT_EQ(tan90.outcome, Outcome::Value);
  EXPECT_GT(std::fabs(tan90.value), 1E18L);
}

TEST(Trigonometric, RadGradAndSiAlwaysWorkInRadians) {
  for (const AngleUnit unit : {kDeg, kRad, kGrad}) {
    AngleUnitScope scope(unit);
    // PI enters a later calculation as the text 3.141592653589793; divided by the 80-bit pi it
    // stays just below 180 and is written "179.999999999999990".
    const Evaluation rad = Evaluate("RAD(", 3.141592653589793L);
    ASSERT_EQ(rad.outcome, Outcome::Value);
    EXPECT_GT(rad.value, 179.999999999999985L);
    EXPECT_LT(rad.value, 179.999999999999995L);
    // 180 and 200 divided by the 80-bit pi (true 180 / pi is 57.29577951308232087679815).
    EXPECT_TRUE(WithinUlps(Evaluate("RAD(", 1).value, 57.29577951308232084820038L, 2));
    EXPECT_TRUE(WithinUlps(Evaluate("GRAD(", 1).value, 63.66197723675813427577820L, 2));
    EXPECT_TRUE(WithinUlps(Evaluate("GRAD(", kPi).value, 200, 1));
    // sin(x) / x at the text of pi: 7.6E-17, which the 15-decimal text writes as 0.
    const Evaluation si = Evaluate("SI(", 3.141592653589793L);
    ASSERT_EQ(si.outcome, Outcome::Value);
    EXPECT_GT(si.value, 7.5E-17L);
    EXPECT_LT(si.value, 7.7E-17L);
    EXPECT_TRUE(WithinUlps(Evaluate("SI(", 1).value, 0.8414709848078965066525023L, 2));
  }
}

}  // namespace
}  // namespace calcorix
