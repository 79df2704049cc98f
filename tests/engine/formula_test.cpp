// The parenthesis check and the once-per-expression formula-error report.
#include "engine/formula.hpp"

#include <gtest/gtest.h>

#include <string>

#include "engine_test_support.hpp"

namespace calcorix::test {
namespace {

TEST(CheckParentheses, NormalisesOnlyBlanksAndAsciiLetters) {
  struct Row {
    std::string text;
    std::string normalised;
  };
  const Row rows[] = {
      {" 2 + 3 ", "2+3"},
      {"2 e3", "2E3"},
      {"sin(x)*Pi", "SIN(X)*PI"},
      {"", "0"},
      {"    ", "0"},
      {")(", ")("},
      {"a\tb", "A\tB"},
      {std::string("\xA5z\0", 3), std::string("\xA5Z\0", 3)},  // code page 852 "ą" stays
  };
  for (const Row& row : rows) {
    std::string text = row.text;
    formulaValid = false;
    EXPECT_TRUE(CheckParentheses(text)) << row.text;
    EXPECT_EQ(text, row.normalised);
    EXPECT_TRUE(formulaValid);
  }
}

TEST(CheckParentheses, UnbalancedTextIsReportedAndLeftAsItWas) {
  struct Row {
    std::string text;
    std::string line;
  };
  const Row rows[] = {
      {"(1 + 2", "Brakuje 1 nawias\xA2w \")\".\r\n"},
      {"1+2))", "Brakuje 2 nawias\xA2w \"(\".\r\n"},
      {std::string(300, '('), "Brakuje 300 nawias\xA2w \")\".\r\n"},
  };
  for (const Row& row : rows) {
    std::string text = row.text;
    std::string console;
    CaptureConsole(&console);
    EXPECT_FALSE(CheckParentheses(text));
    CaptureConsole(nullptr);
    EXPECT_EQ(console, row.line);
    EXPECT_EQ(text, row.text);
  }
}

TEST(ReportFormulaError, PrintsOncePerExpressionAndEndsTheCallersScan) {
  std::string text = "1";
  ASSERT_TRUE(CheckParentheses(text));
  std::string console;
  CaptureConsole(&console);
  std::size_t position = 0;
  ReportFormulaError("abc", position);
  EXPECT_EQ(position, 3u);
  position = 1;
  ReportFormulaError("", position);
  EXPECT_EQ(position, 0u);
  CaptureConsole(nullptr);
  EXPECT_EQ(console, kFormulaErrorLine);
  EXPECT_FALSE(formulaValid);

  // The next expression opens a fresh state.
  ASSERT_TRUE(CheckParentheses(text));
  CaptureConsole(&console);
  ReportFormulaError("x", position);
  CaptureConsole(nullptr);
  EXPECT_EQ(console, kFormulaErrorLine + kFormulaErrorLine);
}

}  // namespace
}  // namespace calcorix::test
