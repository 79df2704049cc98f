// The shared readers and the operand readers of the power pass, at the edges of their texts.
#include "engine/readers.hpp"

#include <gtest/gtest.h>

#include <string>

#include "engine/power_operands.hpp"
#include "engine_test_support.hpp"

namespace calcorix::test {
namespace {

TEST(Readers, SignsAndNumbersRead) {
  struct Row {
    std::string text;
    std::size_t start;
    long double value;
    std::size_t end;
  };
  const Row rows[] = {
      {"--2+1", 0, 2, 3}, {"-+-2", 0, 2, 4},       {"+-1E-5*2", 0, -1e-5L, 6},
      {"2*3", 2, 3, 3},   {"1.5E+2-1", 0, 150, 6}, {"-", 0, 0, 1},
      {"", 0, 0, 0},      {"3E", 0, 0, 2},         {"E+", 0, 0, 2},
      {"2-", 2, 0, 2},    {"-(3)", 0, 0, 1},       {"1E-", 0, 0, 3},
  };
  for (const Row& row : rows) {
    std::size_t position = row.start;
    EXPECT_EQ(ReadNumberAt(row.text, position), row.value) << row.text;
    EXPECT_EQ(position, row.end) << row.text;
  }
  std::size_t position = 0;
  EXPECT_EQ(ReadSigns("-+--", position), -1);
  EXPECT_EQ(position, 4u);
}

TEST(Readers, TakeLastNumberKeepsASignOnlyAfterAnOperatorOrAtTheStart) {
  struct Row {
    std::string out;
    long double value;
    std::string rest;
  };
  const Row rows[] = {
      {"-2", -2, ""},
      {"2-3", 3, "2-"},
      {"2--3", -3, "2-"},
      {"2*-3", -3, "2*"},
      {"2+1E-5", 1e-5L, "2+"},
      {"1E+2", 100, ""},
      {"2-", 0, "2-"},
      {"", 0, ""},
      {"(-3", 3, "(-"},
      {"^+3", 3, "^+"},
      {"-", 0, ""},
      {"2.0000000000000003.0", 0, ""},
  };
  for (const Row& row : rows) {
    std::string out = row.out;
    EXPECT_EQ(TakeLastNumber(out), row.value) << row.out;
    EXPECT_EQ(out, row.rest) << row.out;
  }
}

TEST(Readers, ExtractArgument) {
  formulaValid = true;
  std::string argument;
  std::size_t position = 3;
  std::string console;
  CaptureConsole(&console);
  const bool found = ExtractArgument("SIN(2*(1+1))+1", position, argument);
  EXPECT_TRUE(found);
  EXPECT_EQ(argument, "2*(1+1)");
  EXPECT_EQ(position, 12u);

  position = 0;
  EXPECT_TRUE(ExtractArgument("()", position, argument));
  EXPECT_EQ(argument, "");
  EXPECT_EQ(position, 2u);

  // Ruling D4: no ")" before the end is a formula error, and nothing past the end is read.
  const std::string text = "1)+SIN(2";
  position = 6;
  EXPECT_FALSE(ExtractArgument(text, position, argument));
  EXPECT_EQ(argument, "");
  EXPECT_EQ(position, text.size());
  position = 1;
  EXPECT_FALSE(ExtractArgument("((((", position, argument));  // reported once only
  CaptureConsole(nullptr);
  EXPECT_EQ(console, kFormulaErrorLine);
  EXPECT_FALSE(formulaValid);
}

TEST(PowerOperands, ReadWithTheirExtent) {
  struct Row {
    std::string text;
    long double value;
    std::size_t extent;  // right: the length read from the front; left: where the operand starts
  };
  const Row right[] = {
      {"-3*4", -3, 2}, {"--(1+1)!", 2, 7}, {"", 0, 0},    {"1E-2+1", 0.01L, 4},
      {"()", 0, 2},    {"+-", 0, 2},       {"2^2", 2, 1}, {"(2^2)^2", 4, 5},
  };
  for (const Row& row : right) {
    std::size_t length = 99;
    EXPECT_EQ(ReadRightOperand(row.text, length), row.value) << row.text;
    EXPECT_EQ(length, row.extent) << row.text;
  }
  const Row left[] = {
      {"1+-2", -2, 2}, {"1(-2", 2, 3}, {"3*(1+2)", 3, 2},   {"-(2)", 2, 1},     {"1E+2", 100, 0},
      {"", 0, 0},      {"2+", 0, 2},   {"2*(3)+(4)", 4, 6}, {"(1)(2^2)", 4, 3},
  };
  for (const Row& row : left) {
    std::size_t start = 99;
    EXPECT_EQ(ReadLeftOperand(row.text, start), row.value) << row.text;
    EXPECT_EQ(start, row.extent) << row.text;
  }
  EXPECT_EQ(CountFactorialMarks("2+3!!!"), 3u);
  EXPECT_EQ(CountFactorialMarks("!!"), 2u);
  EXPECT_EQ(CountFactorialMarks("3!+1"), 0u);
}

TEST(PowerOperands, MissingPartnerParenthesisIsReportedOnce) {
  formulaValid = true;
  std::string console;
  CaptureConsole(&console);
  std::size_t extent = 0;
  EXPECT_FALSE(ReadRightOperand("(3", extent).has_value());
  EXPECT_FALSE(ReadLeftOperand("2)", extent).has_value());
  EXPECT_FALSE(ReadLeftOperand(")", extent).has_value());
  CaptureConsole(nullptr);
  EXPECT_EQ(console, kFormulaErrorLine);
}

}  // namespace
}  // namespace calcorix::test
