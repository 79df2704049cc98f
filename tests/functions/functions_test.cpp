#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "arith/checked.hpp"
#include "arith/constants.hpp"
#include "arith/math_steps.hpp"
#include "evaluate.hpp"
#include "functions/elementary.hpp"

namespace calcorix::test {
namespace {

struct Case {
  const char* name;
  long double x;
  Kind outcome;
  long double expected = 0;
  int ulps = 0;  // 0: bit for bit
};

constexpr Kind kValue = Kind::Value;
constexpr Kind kDivByZero = Kind::DivByZero;
constexpr Kind kInvalid = Kind::InvalidOp;
constexpr Kind kOverflow = Kind::Overflow;

void CheckCases(const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c) {
    const Outcome got = Evaluate(c->name, c->x);
    EXPECT_EQ(got.kind, c->outcome) << c->name << c->x << ")";
    if (got.kind == Kind::Value && c->outcome == Kind::Value) {
      EXPECT_TRUE(WithinUlps(got.value, c->expected, c->ulps))
          << c->name << c->x << ") = " << got.value << ", expected " << c->expected;
    }
  }
}

template <std::size_t N>
void CheckCases(const Case (&cases)[N]) {
  CheckCases(cases, cases + N);
}

// Reference values are the true mathematical values to 25 digits; the tolerance in units in the
// last place covers the library's last bits and the rounding of each step of the formula.
TEST(Functions, PowersRootsAndWholeNumbers) {
  const Case cases[] = {
      {"ABS(", -2.5L, kValue, 2.5L},     {"ABS(", 3, kValue, 3},
      {"SQR(", -3, kValue, 9},           {"SQR(", 1E3000L, kOverflow},
      {"CUB(", -2, kValue, -8},          {"CUB(", 1.5L, kValue, 3.375L},
      {"CUB(", 1E2000L, kOverflow},      {"CUB(", -1E2000L, kOverflow},
      {"SQRT(", 16, kValue, 4},          {"SQRT(", 2, kValue, 1.414213562373095048801689L, 1},
      {"SQRT(", 0, kValue, 0},           {"SQRT(", -1, kInvalid},
      {"SQRT(", -1E-30L, kInvalid},      {"SGN(", 0, kValue, 1},
      {"SGN(", -0.0L, kValue, 1},        {"SGN(", -0.001L, kValue, -1},
      {"SGN(", 1E-4000L, kValue, 1},     {"SGN(", -1E4000L, kValue, -1},
      {"INT(", -2.75L, kValue, -2},      {"INT(", 2.75L, kValue, 2},
      {"INT(", -0.5L, kValue, -0.0L},    {"INT(", 1E30L, kValue, 1E30L},
      {"FRAC(", -2.75L, kValue, -0.75L}, {"FRAC(", 2.75L, kValue, 0.75L},
      {"FRAC(", 5, kValue, 0},           {"FRAC(", 1E30L, kValue, 0},
  };
  CheckCases(cases);
}

TEST(Functions, RoundHalvesToEvenWithinTheSigned64BitRange) {
  const Case cases[] = {
      {"RND(", 2.5L, kValue, 2},
      {"RND(", 3.5L, kValue, 4},
      {"RND(", -2.5L, kValue, -2},
      {"RND(", -3.5L, kValue, -4},
      {"RND(", 0.5L, kValue, 0},
      {"RND(", 2.4999L, kValue, 2},
      {"RND(", -2.5001L, kValue, -3},
      {"RND(", 0x1p63L - 1, kValue, 0x1p63L - 1},
      {"RND(", -0x1p63L, kValue, -0x1p63L},
      {"RND(", 0x1p63L - 0.5L, kInvalid},  // the even neighbour is 2^63
      {"RND(", 0x1p63L, kInvalid},
      {"RND(", -0x1p63L - 1, kInvalid},
      {"RND(", 1E19L, kInvalid},
      {"RND(", -1E19L, kInvalid},
      {"RND(", 1E4000L, kInvalid},
  };
  CheckCases(cases);
}

TEST(Functions, ExponentialsAndLogarithms) {
  const Case cases[] = {
      {"EXP(", 0, kValue, 1},
      {"EXP(", 1, kValue, 2.718281828459045235360287L, 2},
      {"EXP(", 11356, kValue, 7.049145799985662438461967E4931L, 4},
      {"EXP(", 11357, kOverflow},
      {"EXP(", -12000, kValue, 0},
      {"EXP10(", 2, kValue, 100, 4},
      {"EXP10(", 0, kValue, 1},
      {"EXP10(", -3, kValue, 0.001L, 4},
      {"EXP10(", 4933, kOverflow},
      {"POW2(", 10, kValue, 1024, 4},
      {"POW2(", -1, kValue, 0.5L, 2},
      {"POW2(", 20000, kOverflow},
      {"POW2(", -20000, kValue, 0},
      {"LN(", 1, kValue, 0},
      {"LN(", 2, kValue, 0.6931471805599453094172321L, 1},
      {"LN(", 0, kDivByZero},
      {"LN(", -1, kInvalid},
      {"LOG(", 1000, kValue, 3, 4},
      {"LOG(", 0.01L, kValue, -2, 4},
      {"LOG(", 0, kDivByZero},
      {"LOG(", -5, kInvalid},
      {"LOG2(", 1024, kValue, 10, 4},
      {"LOG2(", 0, kDivByZero},
      {"LOG2(", -5, kInvalid},
      {"DBV(", 10, kValue, 20, 4},
      {"DBV(", 1, kValue, 0},
      {"DBV(", 0, kDivByZero},
      {"DBV(", -1, kInvalid},
      {"DBW(", 100, kValue, 20, 4},
      {"DBW(", 0, kDivByZero},
      {"DBW(", -100, kInvalid},
      {"ADBV(", 20, kValue, 10, 4},
      {"ADBV(", -40, kValue, 0.01L, 4},
      {"ADBV(", 0, kValue, 1},
      {"ADBV(", 1E6L, kOverflow},
      {"ADBW(", 10, kValue, 10, 4},
      {"ADBW(", 20, kValue, 100, 4},
      {"ADBW(", 1E6L, kOverflow},
  };
  CheckCases(cases);
}

TEST(Functions, HyperbolicFunctionsAndTheirInverses) {
  const Case cases[] = {
      {"SINH(", 0, kValue, 0},
      {"SINH(", 1, kValue, 1.175201193643801456882382L, 4},
      {"SINH(", -1, kValue, -1.175201193643801456882382L, 4},
      {"SINH(", 11357, kOverflow},
      {"SINH(", -11357, kOverflow},
      {"COSH(", 0, kValue, 1},
      {"COSH(", 1, kValue, 1.543080634815243778477906L, 4},
      {"COSH(", -1, kValue, 1.543080634815243778477906L, 4},
      {"COSH(", 11356, kValue, 3.524572899992831219230984E4931L, 4},
      {"COSH(", 11357, kOverflow},
      {"COSH(", -11357, kOverflow},
      {"TANH(", 0, kValue, 0},
      {"TANH(", 1, kValue, 0.7615941559557648881194583L, 8},
      {"TANH(", 12000, kValue, 1},  // ruling D19: no overflow
      {"TANH(", -12000, kValue, -1},
      {"COTH(", 1, kValue, 1.313035285499331303636161L, 8},
      {"COTH(", 0, kDivByZero},
      {"COTH(", 12000, kValue, 1},
      {"ASINH(", 0, kValue, 0},
      {"ASINH(", 1, kValue, 0.8813735870195430252326093L, 4},
      {"ASINH(", -1, kValue, -0.8813735870195430252326093L, 4},
      {"ASINH(", -1E10L, kValue, -23.71899811050040214959965L, 4},
      {"ASINH(", 1E3000L, kOverflow},
      {"ACOSH(", 1, kValue, 0},
      {"ACOSH(", 2, kValue, 1.316957896924816708625046L, 4},
      {"ACOSH(", 0.5L, kInvalid},
      {"ACOSH(", -1, kInvalid},
      {"ACOSH(", -5, kInvalid},
      {"ATANH(", 0, kValue, 0},
      {"ATANH(", 0.5L, kValue, 0.5493061443340548456976226L, 4},
      {"ATANH(", 1, kDivByZero},
      {"ATANH(", -1, kDivByZero},
      {"ATANH(", 2, kInvalid},
      {"ATANH(", -2, kInvalid},
  };
  CheckCases(cases);
}

// Ruling D19. References: mpmath at 50 digits.
TEST(Functions, D19SinhTanhAndCothWithoutCancellationOrSpuriousOverflow) {
  const Case cases[] = {
      // Below 1 in magnitude SINH goes through expm1: every digit down to denormals.
      {"SINH(", 0.5L, kValue, 0.5210953054937473616224256L, 2},
      {"SINH(", -0.5L, kValue, -0.5210953054937473616224256L, 2},
      {"SINH(", 0.25L, kValue, 0.2526123168081683079141252L, 2},
      {"SINH(", 0.999L, kValue, 1.173658700352451883029023L, 2},
      {"SINH(", 1E-10L, kValue, 1.000000000000000000020045E-10L, 1},
      {"SINH(", 1E-20L, kValue, 1.000000000000000000034164E-20L, 1},  // was 0
      {"SINH(", -1E-30L, kValue, -1.00000000000000000003169E-30L, 1},
      {"SINH(", 1E-4940L, kValue, 1E-4940L},  // a denormal is its own SINH
      {"SINH(", -1E-4940L, kValue, -1E-4940L},
      // Near 0 COTH is about 1/x: it was 8 % off at 1E-19 and divided by zero at 1E-20.
      {"COTH(", 1E-19L, kValue, 10000000000000000000.09917L, 2},
      {"COTH(", 1E-10L, kValue, 9999999999.999999999849554L, 2},
      {"COTH(", -1E-10L, kValue, -9999999999.999999999849554L, 2},
      {"COTH(", 1E-20L, kValue, 99999999999999999996.5836L, 2},
      {"COTH(", 0.5L, kValue, 2.163953413738652848770004L, 8},
      {"COTH(", -0.0L, kDivByZero},
      {"COTH(", 1E-4940L, kOverflow},  // about 1E4940
      {"TANH(", 1E-10L, kValue, 1.000000000000000000015045E-10L, 2},
      {"TANH(", 1E-20L, kValue, 1.000000000000000000034164E-20L, 2},
      {"TANH(", 0.5L, kValue, 0.4621171572600097585023185L, 8},
      {"TANH(", 20, kValue, 0.9999999999999999915032915L, 2},
      // From 64 on exactly 1 with the sign of x, for every finite x.
      {"TANH(", 64, kValue, 1},
      {"TANH(", -64, kValue, -1},
      {"TANH(", -1E4000L, kValue, -1},
      {"COTH(", 64, kValue, 1},
      {"COTH(", -12000, kValue, -1},
      {"COTH(", 1E4932L, kValue, 1},
      // Outside the three functions' new ranges, nothing changes.
      {"SINH(", 11357, kOverflow},
      {"COSH(", 1E-20L, kValue, 1},
  };
  CheckCases(cases);
}

// From 1 on, and at 0, SINH keeps (e^x - e^(-x)) / 2, bit for bit; -0 gives +0 as before.
TEST(Functions, D19SinhKeepsItsFormulaFromOneOn) {
  for (const long double x : {1.0L, -1.0L, 1.5L, -7.25L, 100.0L, 11356.0L, 0.0L, -0.0L}) {
    const long double formula = Div(Sub(steps::Exp(x), steps::Exp(-x)), 2);
    EXPECT_TRUE(WithinUlps(Evaluate("SINH(", x).value, formula, 0)) << "SINH(" << x << ")";
  }
}

TEST(Functions, ThePiConstantEntersAsItsExactBits) {
  const Outcome pi = Evaluate("PI");
  ASSERT_EQ(pi.kind, Kind::Value);
  EXPECT_TRUE(WithinUlps(pi.value, kPi, 0));
}

TEST(Functions, LiReadsTheLoopValueAtEachCall) {
  const long double saved = TestSession().loopValue;
  for (const long double loopValue : {0.0L, 2.5L, -1.0L, 1E4000L}) {
    TestSession().loopValue = loopValue;
    const Outcome li = Evaluate("LI");
    EXPECT_EQ(li.kind, Kind::Value);
    EXPECT_EQ(li.value, loopValue);
  }
  TestSession().loopValue = saved;
}

TEST(Functions, OnlyTheSixForwardTrigonometricFunctionsReadTheAngleUnit) {
  // Every other function gives the same bits in each unit.
  const long double arguments[] = {0.25L, 2, -7.5L};
  for (const NamedValue& entry : NamedValues()) {
    if (entry.function == nullptr || entry.name == "RAN(") continue;
    const std::string_view name = entry.name;
    const bool readsUnit = name == "SIN(" || name == "COS(" || name == "TAN(" || name == "COT(" ||
                           name == "SEC(" || name == "CSC(" || name == "ASIN(" || name == "ACOS(" ||
                           name == "ATAN(";
    if (readsUnit) continue;
    for (const long double x : arguments) {
      Outcome inUnit[3];
      for (const AngleUnit unit : {AngleUnit::Degrees, AngleUnit::Radians, AngleUnit::Grads}) {
        AngleUnitScope scope(unit);
        inUnit[static_cast<int>(unit)] = Evaluate(name, x);
      }
      for (const Outcome& e : inUnit) {
        EXPECT_EQ(e.kind, inUnit[1].kind) << name << x << ")";
        if (e.kind == Kind::Value) {
          EXPECT_TRUE(WithinUlps(e.value, inUnit[1].value, 0));
        }
      }
    }
  }
}

}  // namespace
}  // namespace calcorix::test
