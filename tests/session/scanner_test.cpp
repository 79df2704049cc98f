// The scanner: constants and function calls replaced by their substituted texts, formula errors per
// level, and whole expressions from text to value.
#include "session/scanner.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/engine_test_support.hpp"

namespace calcorix::test {
namespace {

struct ScanRow {
  std::string text;  // as the parenthesis check leaves it: upper case, no blanks
  AngleUnit unit;
  long double loopValue;
  std::string reduced;  // the scanner's output
  bool formulaError;
};

class Scanner : public ::testing::Test {
 protected:
  // One step of an expression in this test's session, with a fresh formula state.
  Observed InSession(const std::function<long double()>& step) {
    session.formula.formulaValid = true;
    Observed o;
    static_cast<Outcome&>(o) = Classify(step);
    if (!session.formula.formulaValid) o.printed = kFormulaErrorLine;
    return o;
  }

  Session session;
};

TEST_F(Scanner, ReplacesNamesByTheirSubstitutedTexts) {
  const AngleUnit R = AngleUnit::Radians, D = AngleUnit::Degrees, G = AngleUnit::Grads;
  const std::vector<ScanRow> rows = {
      {"SIN(0)", R, 0, "0.000000000000000", false},
      {"COS(0)", R, 0, "1.000000000000000", false},
      {"SQRT(2)", R, 0, "1.414213562373095", false},
      {"SIN(0)+COS(0)", R, 0, "0.000000000000000+1.000000000000000", false},
      {"SQRT(SQR(3))", R, 0, "3.000000000000000", false},
      {"2*PI", R, 0, "2*3.141592653589793", false},
      {"2PI", R, 0, "23.141592653589793", false},
      {"SIN(30)", D, 0, "0.500000000000000", false},
      {"COS(60)", D, 0, "0.500000000000000", false},
      {"TAN(45)", D, 0, "1.000000000000000", false},
      {"SIN(100)", G, 0, "1.000000000000000", false},
      {"2*SIN(0-30)", D, 0, "2*-0.500000000000000", false},
      {"LI", R, 0, "0.000000000000000", false},
      {"LI", R, 2.5L, "2.500000000000000", false},
      {"5-LI", R, -1, "5--1.000000000000000", false},
      {"1E-3*2", R, 0, "1E-3*2", false},
      {"1.2.3+2E", R, 0, "1.2.3+2E", false},
      {"(1+2)^2!", R, 0, "(1+2)^2!", false},
      {"RAD(PI)", R, 0, "179.999999999999990", false},
      {"SI(PI)", R, 0, "0.000000000000000", false},
      {"ASIN(1)", R, 0, "1.570796326794897", false},
      {"ASIN(0.5)", D, 0, "30.000000000000000", false},
      {"ACOS(0)", D, 0, "90.000000000000000", false},
      {"ACOS(-1)", D, 0, "180.000000000000000", false},
      {"ATAN(1)", D, 0, "45.000000000000000", false},
      {"ACOS(0)", G, 0, "100.000000000000000", false},
      {"DBV(10)+DBW(100)", R, 0, "20.000000000000000+20.000000000000000", false},
      {"ADBV(20)*ADBW(10)", R, 0, "10.000000000000000*10.000000000000000", false},
      {"EXP10(2)-POW2(10)", R, 0, "100.000000000000000-1024.000000000000000", false},
      {"INT(-2.75)+FRAC(-2.75)", R, 0, "-2.000000000000000+-0.750000000000000", false},
      {"RND(2.5)RND(-2.5)", R, 0, "2.000000000000000-2.000000000000000", false},
      {"SGN(0)", R, 0, "1.000000000000000", false},
      {"EXP(-12000)", R, 0, "0.000000000000000", false},
      {"ABS(1E40)", R, 0, "1.0000000000000000E+0040", false},
      {"SIN()", R, 0, "0.000000000000000", false},
      // Formula errors: the scan of the current text stops; what was built is handed on.
      {"E", R, 0, "", true},
      {"X1", R, 0, "", true},
      {"COST(1)", R, 0, "", true},
      {"SIN30", R, 0, "", true},
      {"SINX(1)", R, 0, "", true},
      {"2EXP(0)", R, 0, "2E", true},
      {"1+2,5", R, 0, "1+2", true},
      {"1\t+2", R, 0, "1", true},
      {"SIN(1Q)+1", R, 0, "0.841470984807897+1", true},  // the partial argument is still used
      {"1)+SIN(2", R, 0, "1)+", true},                   // "(" without its ")"
      {"COS(SIN(2", R, 0, "", true},
  };
  for (const ScanRow& row : rows) {
    session.options.angleUnit = row.unit;
    session.loopValue = row.loopValue;
    std::string reduced;
    const Observed o = InSession([&] {
      reduced = ScanExpression(session, row.text);
      return 0.0L;
    });
    EXPECT_EQ(o.kind, Kind::Value) << row.text;
    EXPECT_EQ(reduced, row.reduced) << row.text;
    EXPECT_EQ(o.printed, row.formulaError ? kFormulaErrorLine : "") << row.text;
  }
}

TEST_F(Scanner, ErrorsOfFunctionsLeaveEveryLevel) {
  struct ErrorRow {
    std::string text;
    Kind kind;
    std::string printed;
  };
  const std::vector<ErrorRow> rows = {
      {"COT(0)", Kind::DivByZero, ""},
      {"2+ABS(LN(0))", Kind::DivByZero, ""},
      {"ATANH(1)", Kind::DivByZero, ""},
      {"SQRT(-1)", Kind::InvalidOp, ""},
      {"LN(-1)", Kind::InvalidOp, ""},
      {"ACOSH(0.5)", Kind::InvalidOp, ""},
      {"SI(0)", Kind::InvalidOp, ""},
      {"RND(1E19)", Kind::InvalidOp, ""},
      {"ASIN(2)", Kind::InvalidOp, ""},
      {"EXP(11357)", Kind::Overflow, ""},
      {"POW2(20000)", Kind::Overflow, ""},
      {"CUB(1E2000)", Kind::Overflow, ""},
      {"COSH(12000)", Kind::Overflow, ""},  // TANH(12000) is 1 (ruling D19)
      {"SQRT(0^0)", Kind::InvalidArgument, ""},
      {"X+LN(0)", Kind::Value, kFormulaErrorLine},  // the scan stops at the X
      {"ABS(X)+LN(0)", Kind::DivByZero, kFormulaErrorLine},
  };
  for (const ErrorRow& row : rows) {
    const Observed o = InSession([&] {
      ScanExpression(session, row.text);
      return 0.0L;
    });
    EXPECT_EQ(o.kind, row.kind) << row.text;
    EXPECT_EQ(o.printed, row.printed) << row.text;
  }
}

TEST_F(Scanner, LongExpressionsAreNeverCut) {
  // Twenty substituted values are far more than 255 characters.
  std::string text = "PI";
  for (int i = 1; i < 20; ++i)
    text += "+PI";
  const Observed o =
      InSession([&] { return ComputeText(ScanExpression(session, text), session.formula); });
  long double sum = 0;
  for (int i = 0; i < 20; ++i)
    sum += 3.141592653589793L;
  EXPECT_EQ(o.kind, Kind::Value);
  EXPECT_EQ(o.value, sum);
}

// 63 calls are the most that 255 characters hold.
TEST_F(Scanner, SixtyThreeNestedCallsAreComputed) {
  const auto nested = [](const std::string& name, const std::string& argument) {
    std::string text;
    for (int i = 0; i < 63; ++i)
      text += name;
    return text + argument + std::string(63, ')');
  };
  const std::string sines = nested("SI(", "1");
  ASSERT_LE(sines.size(), 255u);
  const Observed o =
      InSession([&] { return ComputeText(ScanExpression(session, sines), session.formula); });
  EXPECT_EQ(o.kind, Kind::Value);
  EXPECT_GT(o.value, 0.8L);
  EXPECT_LT(o.value, 1.0L);
  // The logarithms turn negative after a few levels: an error, not a crash.
  const Observed logs = InSession([&] {
    return ComputeText(ScanExpression(session, nested("LN(", "1E300")), session.formula);
  });
  EXPECT_EQ(logs.kind, Kind::InvalidOp);
}

}  // namespace
}  // namespace calcorix::test
