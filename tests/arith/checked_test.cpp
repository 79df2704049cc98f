#include "arith/checked.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <string>

namespace calcorix {
namespace {

enum class Outcome { Value, DivByZero, Invalid, Overflow };

Outcome Classify(const std::function<long double()>& step, long double* value = nullptr) {
  try {
    const long double v = step();
    if (value != nullptr) *value = v;
    return Outcome::Value;
  } catch (const EDivByZero&) {
    return Outcome::DivByZero;
  } catch (const EInvalidOp&) {
    return Outcome::Invalid;
  } catch (const EOverflow&) {
    return Outcome::Overflow;
  }
}

// Values the optimiser cannot see through, so nothing is folded at compile time.
volatile long double vZero = 0.0L, vOne = 1.0L, vBig = 1e4000L, vTiny = 1e-4000L;

struct Case {
  const char* name;
  std::function<long double()> step;
  Outcome expected;
};

TEST(CheckedArithmetic, TellsTheTrappedConditionsApart) {
  const Case cases[] = {
      {"1/0", [] { return Div(vOne, vZero); }, Outcome::DivByZero},
      {"-1/0", [] { return Div(-vOne, vZero); }, Outcome::DivByZero},
      {"0/0", [] { return Div(vZero, vZero); }, Outcome::Invalid},
      {"1E4000*1E4000", [] { return Mul(vBig, vBig); }, Outcome::Overflow},
      {"1E4000/1E-4000", [] { return Div(vBig, vTiny); }, Outcome::Overflow},
      {"max+max", [] { return Add(LDBL_MAX * vOne, LDBL_MAX * vOne); }, Outcome::Overflow},
      {"-max-max", [] { return Sub(-LDBL_MAX * vOne, LDBL_MAX * vOne); }, Outcome::Overflow},
      {"exp(11357)", [] { return Checked([](long double x) { return expl(x); }, 11357 * vOne); },
       Outcome::Overflow},
      {"ln(0)", [] { return Checked([](long double x) { return logl(x); }, vZero); },
       Outcome::DivByZero},
      {"ln(-1)", [] { return Checked([](long double x) { return logl(x); }, -vOne); },
       Outcome::Invalid},
      {"sqrt(-1)", [] { return Checked([](long double x) { return sqrtl(x); }, -vOne); },
       Outcome::Invalid},
      {"1E-4000*1E-4000", [] { return Mul(vTiny, vTiny); }, Outcome::Value},
      {"exp(-12000)", [] { return Checked([](long double x) { return expl(x); }, -12000 * vOne); },
       Outcome::Value},
      {"1/3", [] { return Div(vOne, 3 * vOne); }, Outcome::Value},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Classify(c.step), c.expected) << c.name;
  }
}

TEST(CheckedArithmetic, UnderflowGivesZeroOrDenormalWithoutError) {
  long double v = -1;
  ASSERT_EQ(Classify([] { return Mul(vTiny, vTiny); }, &v), Outcome::Value);
  EXPECT_EQ(v, 0.0L);
  ASSERT_EQ(Classify([] { return Div(LDBL_MIN * vOne, 4 * vOne); }, &v), Outcome::Value);
  EXPECT_GT(v, 0.0L);
  EXPECT_LT(v, LDBL_MIN);
}

TEST(CheckedArithmetic, AStaleFlagIsNotBlamedOnTheNextOperation) {
  // An unchecked division by zero outside any checked step leaves the flag raised.
  volatile long double stale = vOne / vZero;
  (void)stale;
  long double v = 0;
  EXPECT_EQ(Classify([] { return Add(vOne, vOne); }, &v), Outcome::Value);
  EXPECT_EQ(v, 2.0L);
}

TEST(CheckedArithmetic, AnErrorLeavesNoFlagBehind) {
  EXPECT_EQ(Classify([] { return Div(vOne, vZero); }), Outcome::DivByZero);
  EXPECT_EQ(fpu::PendingFlags<true>(), 0);
  EXPECT_EQ(Classify([] { return Mul(vOne, 2 * vOne); }), Outcome::Value);
}

TEST(CheckedArithmetic, InvalidArgumentIsAMathErrorWithItsText) {
  try {
    throw EInvalidArgument();
  } catch (const EMathError& e) {
    EXPECT_EQ(std::string(e.what()), "Invalid argument");
  }
}

}  // namespace
}  // namespace calcorix
