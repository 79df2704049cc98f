#include "arith/checked.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <string>

#include "arith/math_steps.hpp"
#include "support/outcome.hpp"

namespace calcorix::test {
namespace {

// Values the optimiser cannot see through, so nothing is folded at compile time.
volatile long double vZero = 0.0L, vOne = 1.0L, vBig = 1e4000L, vTiny = 1e-4000L;

struct Case {
  const char* name;
  std::function<long double()> step;
  Kind expected;
};

TEST(CheckedArithmetic, TellsTheTrappedConditionsApart) {
  const Case cases[] = {
      {"1/0", [] { return Div(vOne, vZero); }, Kind::DivByZero},
      {"-1/0", [] { return Div(-vOne, vZero); }, Kind::DivByZero},
      {"0/0", [] { return Div(vZero, vZero); }, Kind::InvalidOp},
      {"1E4000*1E4000", [] { return Mul(vBig, vBig); }, Kind::Overflow},
      {"1E4000/1E-4000", [] { return Div(vBig, vTiny); }, Kind::Overflow},
      {"max+max", [] { return Add(LDBL_MAX * vOne, LDBL_MAX * vOne); }, Kind::Overflow},
      {"-max-max", [] { return Sub(-LDBL_MAX * vOne, LDBL_MAX * vOne); }, Kind::Overflow},
      {"exp(11357)", [] { return Checked([](long double x) { return expl(x); }, 11357 * vOne); },
       Kind::Overflow},
      {"ln(0)", [] { return steps::Ln(vZero); }, Kind::DivByZero},  // a pole: checked before
      {"ln(-1)", [] { return Checked([](long double x) { return logl(x); }, -vOne); },
       Kind::InvalidOp},
      {"sqrt(-1)", [] { return Checked([](long double x) { return sqrtl(x); }, -vOne); },
       Kind::InvalidOp},
      {"1E-4000*1E-4000", [] { return Mul(vTiny, vTiny); }, Kind::Value},
      {"exp(-12000)", [] { return Checked([](long double x) { return expl(x); }, -12000 * vOne); },
       Kind::Value},
      {"1/3", [] { return Div(vOne, 3 * vOne); }, Kind::Value},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Classify(c.step).kind, c.expected) << c.name;
  }
}

TEST(CheckedArithmetic, UnderflowGivesZeroOrDenormalWithoutError) {
  const Outcome zero = Classify([] { return Mul(vTiny, vTiny); });
  ASSERT_EQ(zero.kind, Kind::Value);
  EXPECT_EQ(zero.value, 0.0L);
  const Outcome denormal = Classify([] { return Div(LDBL_MIN * vOne, 4 * vOne); });
  ASSERT_EQ(denormal.kind, Kind::Value);
  EXPECT_GT(denormal.value, 0.0L);
  EXPECT_LT(denormal.value, LDBL_MIN);
}

TEST(CheckedArithmetic, AStaleFlagIsNotBlamedOnTheNextOperation) {
  // An unchecked division by zero outside any checked step leaves the flag raised.
  volatile long double stale = vOne / vZero;
  (void)stale;
  const Outcome sum = Classify([] { return Add(vOne, vOne); });
  EXPECT_EQ(sum.kind, Kind::Value);
  EXPECT_EQ(sum.value, 2.0L);
}

TEST(CheckedArithmetic, AnErrorLeavesNoFlagBehind) {
  EXPECT_EQ(Classify([] { return Div(vOne, vZero); }).kind, Kind::DivByZero);
  EXPECT_EQ(fpu::PendingFlags<true>(), 0);
  EXPECT_EQ(Classify([] { return Mul(vOne, 2 * vOne); }).kind, Kind::Value);
}

TEST(CheckedArithmetic, InvalidArgumentIsAMathErrorWithItsText) {
  try {
    throw EInvalidArgument();
  } catch (const EMathError& e) {
    EXPECT_EQ(std::string(e.what()), "Invalid argument");
  }
}

}  // namespace
}  // namespace calcorix::test
