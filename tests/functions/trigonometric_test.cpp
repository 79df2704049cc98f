#include "functions/trigonometric.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "arith/checked.hpp"
#include "arith/constants.hpp"
#include "arith/math_steps.hpp"
#include "evaluate.hpp"

namespace calcorix::test {
namespace {

constexpr AngleUnit kDeg = AngleUnit::Degrees;
constexpr AngleUnit kRad = AngleUnit::Radians;
constexpr AngleUnit kGrad = AngleUnit::Grads;

struct Case {
  AngleUnit unit;
  const char* name;
  long double x;
  Kind outcome;
  long double expected = 0;
  int ulps = 0;
};

// In Degrees and Grads the expected values are those of the formulas with the 80-bit pi, which is
// 1.6E-18 above pi: SIN(30) is 0.5 + 2.3E-19, ASIN(0.5) 30 - 1.5E-17; COS(60), a quarter turn
// less 30 degrees, is SIN(30). They
// differ from the round values by up to 17 units in the last place, and vanish in the 15-decimal
// texts the scanner writes. Radians: the true values.
TEST(Trigonometric, EveryFunctionInEveryAngleUnit) {
  constexpr Kind kValue = Kind::Value;
  const Case cases[] = {
      {kDeg, "SIN(", 30, kValue, 0.5000000000000000002263283L, 4},
      {kDeg, "SIN(", 0, kValue, 0},
      {kDeg, "SIN(", -90, kValue, -1, 1},
      {kDeg, "COS(", 60, kValue, 0.5000000000000000002263283L, 4},  // sin 30 (ruling D18)
      {kDeg, "COS(", 180, kValue, -1, 1},
      {kDeg, "TAN(", 45, kValue, 1.000000000000000000784024L, 4},
      {kDeg, "TAN(", -45, kValue, -1.000000000000000000784024L, 4},
      {kDeg, "COT(", 45, kValue, 0.9999999999999999992159757L, 4},
      {kDeg, "SEC(", 60, kValue, 1.999999999999999999094687L, 4},  // 1 / sin 30
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
    const Outcome got = Evaluate(c.name, c.x);
    ASSERT_EQ(got.kind, c.outcome) << c.name << c.x << ") in unit " << int(c.unit);
    EXPECT_TRUE(WithinUlps(got.value, c.expected, c.ulps))
        << c.name << c.x << ") in unit " << int(c.unit) << " = " << got.value << ", expected "
        << c.expected;
  }
}

TEST(Trigonometric, ErrorsInEveryAngleUnit) {
  struct ErrorCase {
    const char* name;
    long double x;
    Kind outcome;
  };
  const ErrorCase cases[] = {
      {"COT(", 0, Kind::DivByZero},       {"CSC(", 0, Kind::DivByZero},
      {"COT(", -0.0L, Kind::DivByZero},   {"ASIN(", 1.5L, Kind::InvalidOp},
      {"ASIN(", -2, Kind::InvalidOp},     {"ACOS(", -1.5L, Kind::InvalidOp},
      {"ACOS(", 1E100L, Kind::InvalidOp}, {"SI(", 0, Kind::InvalidOp},
  };
  for (const AngleUnit unit : {kDeg, kRad, kGrad}) {
    AngleUnitScope scope(unit);
    for (const ErrorCase& c : cases) {
      EXPECT_EQ(Evaluate(c.name, c.x).kind, c.outcome)
          << c.name << c.x << ") in unit " << int(unit);
    }
  }
  // Degrees and Grads reduce x modulo a full turn before any conversion (ruling D18), so no
  // argument overflows in any unit.
  for (const char* name : {"SIN(", "COS(", "TAN(", "COT(", "SEC(", "CSC("}) {
    for (const AngleUnit unit : {kDeg, kRad, kGrad}) {
      AngleUnitScope scope(unit);
      EXPECT_EQ(Evaluate(name, 1E4932L).kind, Kind::Value) << name << " in " << int(unit);
      EXPECT_EQ(Evaluate(name, -1E4932L).kind, Kind::Value) << name << " in " << int(unit);
    }
  }
}

TEST(Trigonometric, ToRadiansMultipliesFirstThenDivides) {
  EXPECT_TRUE(WithinUlps(ToRadians(123.456L, kRad), 123.456L, 0));
  EXPECT_TRUE(WithinUlps(ToRadians(180, kDeg), kPi, 1));
  // (1E4932 / 180) * pi would fit; the product comes first and does not.
  EXPECT_THROW(ToRadians(1E4932L, kDeg), EOverflow);
  EXPECT_TRUE(WithinUlps(ToRadians(200, kGrad), kPi, 1));
}

// Ruling D18. Expected values are the true ones (mpmath, 50 digits); the tolerance covers the
// 80-bit pi, 1.6E-18 above pi, with which the rest of at most an eighth of a turn is converted.
TEST(Trigonometric, D18QuarterTurnsComeOffExactlyInDegreesAndGrads) {
  constexpr Kind kValue = Kind::Value;
  constexpr Kind kDivByZero = Kind::DivByZero;
  const Case cases[] = {
      // Whole quarter turns: exact, and every zero positive.
      {kDeg, "SIN(", 180, kValue, 0},
      {kDeg, "SIN(", -180, kValue, 0},
      {kDeg, "SIN(", -360, kValue, 0},
      {kDeg, "SIN(", 270, kValue, -1},
      {kDeg, "COS(", 90, kValue, 0},
      {kDeg, "COS(", 270, kValue, 0},
      {kDeg, "COS(", -90, kValue, 0},
      {kDeg, "COS(", 180, kValue, -1},
      {kDeg, "COS(", -720, kValue, 1},
      {kDeg, "TAN(", 180, kValue, 0},
      {kDeg, "TAN(", -360, kValue, 0},
      {kGrad, "TAN(", 200, kValue, 0},
      {kDeg, "COT(", 90, kValue, 0},
      {kDeg, "COT(", -270, kValue, 0},
      {kDeg, "COT(", 270, kValue, 0},
      {kGrad, "COT(", 300, kValue, 0},
      {kDeg, "SEC(", 180, kValue, -1},
      {kDeg, "CSC(", 270, kValue, -1},
      {kGrad, "SIN(", 200, kValue, 0},
      {kGrad, "SIN(", 300, kValue, -1},
      {kGrad, "COS(", 100, kValue, 0},
      {kGrad, "COS(", -300, kValue, 0},
      {kGrad, "SIN(", 1E10L, kValue, 0},  // 7.45E-11 through the whole conversion
      // At the poles: the division by zero of any x / 0.
      {kDeg, "TAN(", 90, kDivByZero},
      {kDeg, "TAN(", -90, kDivByZero},
      {kDeg, "TAN(", 270, kDivByZero},
      {kDeg, "SEC(", 270, kDivByZero},
      {kDeg, "SEC(", 90, kDivByZero},
      {kDeg, "COT(", 180, kDivByZero},
      {kDeg, "COT(", -360, kDivByZero},
      {kDeg, "CSC(", 360, kDivByZero},
      {kDeg, "CSC(", 1E300L, kValue, -1.00550827956351640763198L, 8},  // not a pole: 264 degrees
      {kGrad, "TAN(", 100, kDivByZero},
      {kGrad, "SEC(", -300, kDivByZero},
      {kGrad, "COT(", 200, kDivByZero},
      {kGrad, "CSC(", 400, kDivByZero},
      {kGrad, "TAN(", 1E10L + 100, kDivByZero},
      // Zero keeps its sign, as before.
      {kDeg, "SIN(", -0.0L, kValue, -0.0L},
      {kGrad, "SIN(", -0.0L, kValue, -0.0L},
      {kDeg, "TAN(", -0.0L, kValue, -0.0L},
      {kDeg, "COS(", -0.0L, kValue, 1},
      // Beyond an eighth of a turn: the rest of at most 45 degrees is converted.
      {kDeg, "SIN(", 150, kValue, 0.5L, 5},
      {kDeg, "TAN(", 100, kValue, -5.671281819617709530994418L, 16},
      {kDeg, "COT(", 100, kValue, -0.1763269807084649734710904L, 16},
      {kDeg, "TAN(", 135, kValue, -1, 16},
      {kDeg, "SEC(", 120, kValue, -2, 8},
      {kDeg, "CSC(", 210, kValue, -2, 8},
      {kDeg, "SIN(", 123.5L, kValue, 0.833885822067168184523067L, 8},
      {kDeg, "COS(", 123.5L, kValue, -0.5519369853120581757821297L, 8},
      {kGrad, "TAN(", 250, kValue, 1, 16},
      {kGrad, "SIN(", 150, kValue, 0.7071067811865475244008444L, 8},
      {kGrad, "COS(", 150, kValue, -0.7071067811865475244008444L, 8},
      // Large arguments: x modulo a full turn, exactly. 1E300L modulo 360 is 264 (the text 1E300,
      // built by multiplying by 10, is another 80-bit number, 208 modulo 360); 1E4932L modulo 360
      // is 120 and modulo 400 is 320.
      {kDeg, "SIN(", 1E300L, kValue, -0.9945218953682733369226919L, 8},
      {kDeg, "COS(", 1E300L, kValue, -0.1045284632676534713998342L, 8},
      {kDeg, "SIN(", 1E4932L, kValue, 0.8660254037844386467637232L, 8},
      {kDeg, "SIN(", -1E4932L, kValue, -0.8660254037844386467637232L, 8},
      {kGrad, "COS(", 1E4932L, kValue, 0.3090169943749474241022934L, 8},
      {kGrad, "SIN(", 1E10L + 50, kValue, 0.7071067811865475244008444L, 8},
  };
  for (const Case& c : cases) {
    AngleUnitScope scope(c.unit);
    const Outcome got = Evaluate(c.name, c.x);
    EXPECT_EQ(got.kind, c.outcome) << c.name << c.x << ") in unit " << int(c.unit);
    if (got.kind == Kind::Value && c.outcome == Kind::Value) {
      EXPECT_TRUE(WithinUlps(got.value, c.expected, c.ulps))
          << c.name << c.x << ") in unit " << int(c.unit) << " = " << got.value << ", expected "
          << c.expected;
    }
  }
}

// Every quadrant, from both sides of each quarter turn (a rest of -44 or +44 degrees), and on both
// sides of zero: sin(b + 90k) and cos(b + 90k) from the true sin b and cos b.
TEST(Trigonometric, D18QuadrantSymmetryInDegrees) {
  struct Angle {
    long double degrees, sine, cosine;
  };
  const Angle angles[] = {
      {10, 0.1736481776669303488517166L, 0.984807753012208059366743L},
      {30, 0.5L, 0.8660254037844386467637232L},
      {44, 0.6946583704589972866564063L, 0.7193398003386511393560547L},
      {46, 0.7193398003386511393560547L, 0.6946583704589972866564063L},
      {80, 0.984807753012208059366743L, 0.1736481776669303488517166L},
  };
  AngleUnitScope scope(kDeg);
  for (const Angle& a : angles) {
    const long double sines[4] = {a.sine, a.cosine, -a.sine, -a.cosine};
    for (int k = -9; k <= 9; ++k) {
      const long double x = a.degrees + 90 * k;
      const int quadrant = k & 3;
      EXPECT_TRUE(WithinUlps(Evaluate("SIN(", x).value, sines[quadrant], 8)) << "SIN(" << x;
      EXPECT_TRUE(WithinUlps(Evaluate("COS(", x).value, sines[(quadrant + 1) & 3], 8))
          << "COS(" << x;
    }
  }
}

// Up to 45 degrees and 50 grads the reduction takes nothing off, and every forward function gives
// the bits of the direct conversion, the only form there was before ruling D18.
TEST(Trigonometric, D18UpToAnEighthOfATurnNothingChanges) {
  using Formula = long double (*)(long double, AngleUnit);
  struct Direct {
    const char* name;
    Formula formula;
  };
  const Direct directs[] = {
      {"SIN(", [](long double x, AngleUnit u) { return steps::Sine(ToRadians(x, u)); }},
      {"COS(", [](long double x, AngleUnit u) { return steps::Cosine(ToRadians(x, u)); }},
      {"TAN(",
       [](long double x, AngleUnit u) {
         const long double sine = steps::Sine(ToRadians(x, u));
         return Div(sine, steps::Cosine(ToRadians(x, u)));
       }},
      {"COT(",
       [](long double x, AngleUnit u) {
         const long double cosine = steps::Cosine(ToRadians(x, u));
         return Div(cosine, steps::Sine(ToRadians(x, u)));
       }},
      {"SEC(", [](long double x, AngleUnit u) { return Div(1, steps::Cosine(ToRadians(x, u))); }},
      {"CSC(", [](long double x, AngleUnit u) { return Div(1, steps::Sine(ToRadians(x, u))); }},
  };
  const long double arguments[] = {45,      -45,   44.999999999L, 30,       1,         0.1L,
                                   12.345L, 1E-10, 1E-30L,        1E-4940L, -1E-4940L, 0,
                                   -0.0L,   50,    -50,           49.99L};
  for (const AngleUnit unit : {kDeg, kGrad}) {
    AngleUnitScope scope(unit);
    const long double limit = unit == kDeg ? 45 : 50;
    for (const long double x : arguments) {
      if (std::fabs(x) > limit) continue;
      for (const Direct& d : directs) {
        const Outcome got = Evaluate(d.name, x);
        const Outcome direct = Classify([&] { return d.formula(x, unit); });
        EXPECT_EQ(got.kind, direct.kind) << d.name << x << ") in unit " << int(unit);
        EXPECT_TRUE(WithinUlps(got.value, direct.value, 0))
            << d.name << x << ") in unit " << int(unit) << " = " << got.value << ", directly "
            << direct.value;
      }
    }
  }
}

TEST(Trigonometric, RadiansAreNotReduced) {
  AngleUnitScope scope(kRad);
  // cos of the 80-bit number nearest pi/2 is -2.5E-20, not 0: TAN stays a large finite value.
  const long double halfPi = 1.570796326794896619231322L;
  const Outcome tan = Evaluate("TAN(", halfPi);
  ASSERT_EQ(tan.kind, Kind::Value);
  EXPECT_GT(std::fabs(tan.value), 1E18L);
  EXPECT_TRUE(WithinUlps(Evaluate("SIN(", 1E300L).value, steps::Sine(1E300L), 0));
}

TEST(Trigonometric, RadGradAndSiAlwaysWorkInRadians) {
  for (const AngleUnit unit : {kDeg, kRad, kGrad}) {
    AngleUnitScope scope(unit);
    // PI enters a later calculation as the text 3.141592653589793; divided by the 80-bit pi it
    // stays just below 180 and is written "179.999999999999990".
    const Outcome rad = Evaluate("RAD(", 3.141592653589793L);
    ASSERT_EQ(rad.kind, Kind::Value);
    EXPECT_GT(rad.value, 179.999999999999985L);
    EXPECT_LT(rad.value, 179.999999999999995L);
    // 180 and 200 divided by the 80-bit pi (true 180 / pi is 57.29577951308232087679815).
    EXPECT_TRUE(WithinUlps(Evaluate("RAD(", 1).value, 57.29577951308232084820038L, 2));
    EXPECT_TRUE(WithinUlps(Evaluate("GRAD(", 1).value, 63.66197723675813427577820L, 2));
    EXPECT_TRUE(WithinUlps(Evaluate("GRAD(", kPi).value, 200, 1));
    // sin(x) / x at the text of pi: 7.6E-17, which the 15-decimal text writes as 0.
    const Outcome si = Evaluate("SI(", 3.141592653589793L);
    ASSERT_EQ(si.kind, Kind::Value);
    EXPECT_GT(si.value, 7.5E-17L);
    EXPECT_LT(si.value, 7.7E-17L);
    EXPECT_TRUE(WithinUlps(Evaluate("SI(", 1).value, 0.8414709848078965066525023L, 2));
  }
}

}  // namespace
}  // namespace calcorix::test
