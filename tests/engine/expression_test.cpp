// Whole expressions through CheckParentheses and ComputeText: the formula-error line, the value or
// the error kind.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/product_pass.hpp"
#include "engine/sum_pass.hpp"
#include "engine_test_support.hpp"

namespace calcorix::test {
namespace {

struct Row {
  std::string text;
  std::string printed;
  Kind kind;
  long double value;
  long double tolerance;
};

const std::string kFormula = kFormulaErrorLine;

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    const Observed o = RunExpression(row.text);
    EXPECT_EQ(o.printed, row.printed) << row.text;
    EXPECT_EQ(o.kind, row.kind) << row.text;
    if (row.kind == Kind::Value && o.kind == Kind::Value) {
      EXPECT_TRUE(SameValue(o.value, row.value, row.tolerance))
          << row.text << " gave " << o.value << ", expected " << row.value;
    }
  }
}

std::string Repeat(const std::string& term, const std::string& joint, int count) {
  std::string text = term;
  for (int i = 1; i < count; ++i)
    text += joint + term;
  return text;
}

TEST(Expressions, ProductsQuotientsAndSums) {
  ExpectRows({
      {"8/2/2", "", Kind::Value, 2, 0},
      {"2*3/4", "", Kind::Value, 1.5, 0},
      {"1/3*3", "", Kind::Value, 0.999999999999999L, 0},  // the quotient is rewritten first
      {"1E-20", "", Kind::Value, 1e-20L, 0},
      {"1E-20+1E-20", "", Kind::Value, 2e-20L, 0},
      {"1E-20*2", "", Kind::Value, 0, 0},
      {"(1E-20)", "", Kind::Value, 0, 0},
      {"1E40*1", "", Kind::Value, 1e40L, 1e-18L},
      {"2(3)", "", Kind::Value, 23, 0},
      {"(2)(3)", "", Kind::Value, 0, 0},  // one malformed run "2.000...3.000..."
      {"1.2.3+1", "", Kind::Value, 1, 0},
      {".5+.25", "", Kind::Value, 0.75L, 0},  // a number may begin with its point
      {"-2*3", "", Kind::Value, -6, 0},
      {"2-3*4", "", Kind::Value, -10, 0},
      {"2--3*4", "", Kind::Value, 14, 0},
      {"2*-3", "", Kind::Value, -6, 0},
      {"2*-(3)", "", Kind::Value, -6, 0},
      {"2+-3", "", Kind::Value, -1, 0},
      {"--2", "", Kind::Value, 2, 0},
      {"2-*3", "", Kind::Value, 2, 0},  // the empty left operand of "*" is 0
      {"*3", "", Kind::Value, 0, 0},
      {"1E+2*3", "", Kind::Value, 300, 0},
      {"2*E5", "", Kind::Value, 0, 0},  // "E5" is a number run, and not a number
      {" 2 + 3 ", "", Kind::Value, 5, 0},
      {"2 e3", "", Kind::Value, 2000, 0},
      {"", "", Kind::Value, 0, 0},
      {"   ", "", Kind::Value, 0, 0},
  });
}

TEST(Expressions, PowersAndFactorials) {
  ExpectRows({
      {"2^3^2", "", Kind::Value, 512, 0},
      {"2^-3^2", "", Kind::Value, 0.001953125L, 0},
      {"2^-2", "", Kind::Value, 0.25, 0},
      {"2^--2", "", Kind::Value, 4, 0},
      {"2^-(1+1)", "", Kind::Value, 0.25, 0},
      {"-2^2", "", Kind::Value, 4, 0},
      {"3*-2^2", "", Kind::Value, 12, 0},
      {"0-2^2", "", Kind::Value, -4, 0},
      {"(-2^2)", "", Kind::Value, -4, 0},
      {"-(2)^2", "", Kind::Value, -4, 0},
      {"(-2)^3", "", Kind::Value, -8, 0},
      {"0^2", "", Kind::Value, 0, 0},
      {"2^0.5", "", Kind::Value, 1.414213562373095L, 0},
      {"2^", "", Kind::Value, 1, 0},
      {"^2", "", Kind::Value, 0, 0},
      {"1E2^2", "", Kind::Value, 10000, 0},
      {"2^1E2", "", Kind::Value, 1.2676506002282294e30L, 1e-17L},
      {"2^3*4", "", Kind::Value, 32, 0},
      {"2^(3^2)", "", Kind::Value, 512, 0},
      {"(2^3)^2", "", Kind::Value, 64, 0},
      {"3!", "", Kind::Value, 6, 0},
      {"3!!", "", Kind::Value, 720, 0},
      {"3!^2", "", Kind::Value, 36, 0},
      {"2^3!", "", Kind::Value, 64, 0},
      {"(1+2)!", "", Kind::Value, 6, 0},
      {"((1+2)*2)!", "", Kind::Value, 720, 0},
      {"2.9!", "", Kind::Value, 2, 0},
      {"0!", "", Kind::Value, 1, 0},
      {"170!", "", Kind::Value, 7.257415615307998967e306L, 1e-16L},
      {"(-8)^(1/3)", "", Kind::InvalidArgument, 0, 0},
      {"0^0", "", Kind::InvalidArgument, 0, 0},
      {"0^-1", "", Kind::DivByZero, 0, 0},
      {"10^5000", "", Kind::Overflow, 0, 0},
  });
}

TEST(Expressions, ArithmeticErrors) {
  ExpectRows({
      {"1/0", "", Kind::DivByZero, 0, 0},
      {"2/-0", "", Kind::DivByZero, 0, 0},
      {"0/0", "", Kind::InvalidOp, 0, 0},
      {"1E4000*1E4000", "", Kind::Overflow, 0, 0},
      {"1E5000", "", Kind::Overflow, 0, 0},
      {"1E-4000*1E-4000", "", Kind::Value, 0, 0},
      // The divisor is read before the left operand: its overflow comes first.
      {"1E5000/0", "", Kind::Overflow, 0, 0},
      {"0/1E5000", "", Kind::Overflow, 0, 0},
  });
}

TEST(Expressions, FormulaErrorsArePrintedOnceAndNotThrown) {
  ExpectRows({
      {"2**3", kFormula, Kind::Value, 2, 0},
      {"2//3", kFormula, Kind::Value, 2, 0},
      {"2*", kFormula, Kind::Value, 2, 0},
      {")1+2(", kFormula, Kind::Value, 0, 0},
      {"2**3+4//5", kFormula, Kind::Value, 2, 0},
      {"(2**3)+(4//5)", kFormula, Kind::Value, 6, 0},  // each group hands on what it has
      {"2E", "", Kind::Value, 0, 0},
      {"E", kFormula, Kind::Value, 0, 0},
      {"2=3", kFormula, Kind::Value, 2, 0},
      {std::string("2\0"
                   "3",
                   3),
       kFormula, Kind::Value, 2, 0},
      {"2\x88"
       "3",
       kFormula, Kind::Value, 2, 0},
      {"2\t+3", "", Kind::Value, 5, 0},  // a tab is a blank
  });
}

TEST(Expressions, AFormulaErrorLineComesBeforeALaterArithmeticError) {
  // The inner group is malformed and gives 2; the outer division still divides 2 by 0.
  ExpectRows({
      {"(2*)/0", kFormula, Kind::DivByZero, 0, 0},
      {"(2*)*1E4000*1E4000", kFormula, Kind::Overflow, 0, 0},
  });
}

TEST(Rulings, D1DivisionByAZeroGroupIsAnOrdinaryDivision) {
  ExpectRows({
      {"1/(1-1)", "", Kind::DivByZero, 0, 0},
      {"1/-(0)", "", Kind::DivByZero, 0, 0},
      {"0/(2-2)", "", Kind::InvalidOp, 0, 0},
      {"6/-(1+2)", "", Kind::Value, -2, 0},
      {"6/(1+2)/(2-1)", "", Kind::Value, 2, 0},
  });
}

TEST(Rulings, D3WorkingTextsAreNeverCut) {
  ExpectRows({
      {Repeat("1*1", "+", 16), "", Kind::Value, 16, 0},
      {Repeat("1*1", "+", 200), "", Kind::Value, 200, 0},
      {Repeat("2^1", "+", 100), "", Kind::Value, 200, 0},
  });
}

TEST(Rulings, D4MissingPartnerParenthesisIsAFormulaError) {
  ExpectRows({
      // A group after "^" without its ")": the power pass stops; the product pass then meets the
      // stray ")" and hands on "1".
      {"1)+2^(3", kFormula, Kind::Value, 1, 0},
      // A group before "^" or "!" without its "(".
      {"2)^2(", kFormula, Kind::Value, 2, 0},
      {"2)!+(1", kFormula, Kind::Value, 2, 0},
      {")^2(", kFormula, Kind::Value, 0, 0},
  });
}

TEST(Rulings, D4AndD14OnTextsThatSkippedTheParenthesisCheck) {
  // Later callers (the scanner, fuzzing) hand texts to the passes directly.
  struct DirectRow {
    std::function<long double(FormulaState&)> step;
    std::string printed;
    long double value;
  };
  const DirectRow rows[] = {
      {[](FormulaState& s) { return ComputeText("2*(3", s); }, kFormulaErrorLine,
       0},  // "*" took its left operand
      {[](FormulaState& s) { return ComputeText("2/(3", s); }, kFormulaErrorLine,
       2},  // "/" reads its divisor first
      {[](FormulaState& s) { return ComputeText("1+(1/0", s); }, kFormulaErrorLine,
       1},  // the group is never computed
      {[](FormulaState& s) { return ComputeText("(((2", s); }, kFormulaErrorLine, 0},
      {[](FormulaState& s) { return ComputeText("", s); }, "", 0},
      {[](FormulaState& s) { return ProductPass("", s); }, "", 0},
      {[](FormulaState&) { return SumPass(""); }, "", 0},
  };
  for (const DirectRow& row : rows) {
    const Observed o = ObserveFormula(row.step);
    EXPECT_EQ(o.kind, Kind::Value);
    EXPECT_EQ(o.printed, row.printed);
    EXPECT_EQ(o.value, row.value);
  }
}

// "*" takes its left operand before it reads the right one, also when the right one is a group
// whose ")" is missing; "/" reads its divisor, number or group, first. Such texts come from the
// scanner, which stops at a name it does not know: SI(2*(Q)) computes "2*(".
TEST(Expressions, StarTakesItsLeftOperandBeforeAGroupThatDoesNotClose) {
  struct DirectRow {
    const char* text;
    long double value;
  };
  const DirectRow rows[] = {
      {"2*(", 0},     {"2*(3", 0},      {"1+2*(3", 1},    {"5-5*(", 5},   {"2*-(3", 0},
      {"2*--(", 0},   {"3+4*(1)*(", 3}, {"2/(", 2},       {"2/(3", 2},    {"1+2/-(3", 3},
      {"2/(1)/(", 2}, {"(2*(", 0},      {"2*(3)+4*(", 6}, {"8/(2)*(", 0},
  };
  for (const DirectRow& row : rows) {
    const Observed o = ObserveFormula([&](FormulaState& s) { return ComputeText(row.text, s); });
    EXPECT_EQ(o.kind, Kind::Value) << row.text;
    EXPECT_EQ(o.printed, kFormulaErrorLine) << row.text;
    EXPECT_EQ(o.value, row.value) << row.text;
  }
  // The order also decides which error comes first: the left operand's overflow before anything
  // in the group; the error of a divisor group before the left operand.
  ExpectRows({
      {"1E5000*(1/0)", "", Kind::Overflow, 0, 0},
      {"1E5000*(2**3)", "", Kind::Overflow, 0, 0},
      {"1E5000/(1/0)", "", Kind::DivByZero, 0, 0},
      {"1E5000/(2**3)", kFormula, Kind::Overflow, 0, 0},
  });
}

// Ruling D20 through the passes: the tiny results are written back with 15 decimals.
TEST(Rulings, D20NegativeWholePowersThatLeaveTheRange) {
  ExpectRows({
      {"2^-16400", "", Kind::Value, 0, 0},
      {"3^-10000", "", Kind::Value, 0, 0},
      {"10^(0-5000)", "", Kind::Value, 0, 0},
      {"(0-2)^(0-16401)", "", Kind::Value, 0, 0},
      {"0.5^(0-20000)", "", Kind::Overflow, 0, 0},
      {"0.5^-16383/2", "", Kind::Value, 2.9743287383930794e4931L, 1e-16L},
      {"2^-10", "", Kind::Value, 0.0009765625L, 0},
      {"0^(0-2)", "", Kind::DivByZero, 0, 0},
  });
}

TEST(Rulings, D5FactorialBeyond170AndBelow0) {
  ExpectRows({
      {"171!", "", Kind::Value, 1.241018070217667823e309L, 1e-16L},
      {"1754!", "", Kind::Value, 1.979261890105010e4930L, 1e-14L},
      {"1755!", "", Kind::Overflow, 0, 0},
      {"3!!!!", "", Kind::Overflow, 0, 0},
      {"-3!", "", Kind::InvalidArgument, 0, 0},
      {"0-3!", "", Kind::Value, -6, 0},
      {"2*-3!", "", Kind::InvalidArgument, 0, 0},
  });
}

TEST(Rulings, D14EmptyGroupsAndTextsAreZero) {
  ExpectRows({
      {"()", "", Kind::Value, 0, 0},
      {"2+()", "", Kind::Value, 2, 0},
      {"2*()", "", Kind::Value, 0, 0},
      {"(())", "", Kind::Value, 0, 0},
      {"()^2", "", Kind::Value, 0, 0},
  });
}

TEST(Expressions, DeepNestingComputes) {
  const std::string open(127, '('), close(127, ')');
  ExpectRows({
      {open + "1+1" + close, "", Kind::Value, 2, 0},
      {open + "2" + close + "^2", "", Kind::Value, 4, 0},
      {"2^" + open + "3" + close, "", Kind::Value, 8, 0},
      {open + "3" + close + "!", "", Kind::Value, 6, 0},
  });
  // Every level a group raised to a power: each one is computed through the power pass again.
  std::string chain = "2";
  for (int i = 0; i < 127; ++i)
    chain = "(" + chain + ")^1";
  ExpectRows({{chain, "", Kind::Value, 2, 0}});
}

TEST(Expressions, ArbitraryTextsGiveAFiniteValueOrAnErrorAndAtMostOneFormulaLine) {
  // Mostly the engine's own characters, so that deep and odd structures come up, with a stray
  // byte now and then (NUL and bytes from 128 included).
  const std::string alphabet = "0123456789.E+-*/^!()()";
  std::mt19937_64 random(12345);
  for (int i = 0; i < 5000; ++i) {
    std::string text;
    const int length = static_cast<int>(random() % 40);
    for (int k = 0; k < length; ++k) {
      text += random() % 40 == 0 ? static_cast<char>(random() % 256)
                                 : alphabet[random() % alphabet.size()];
    }
    const Observed o = RunExpression(text);
    if (o.kind == Kind::NotComputed) continue;
    if (o.kind == Kind::Value) {
      EXPECT_TRUE(std::isfinite(o.value)) << text;
    }
  }
}

}  // namespace
}  // namespace calcorix::test
