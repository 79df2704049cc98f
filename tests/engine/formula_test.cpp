// The parenthesis check and the once-per-expression formula-error report.
#include "engine/formula.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace calcorix::test {
namespace {

TEST(CheckParentheses, NormalisesBlanksTabsCommasAndAsciiLetters) {
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
      {"a\tb", "AB"},
      {"0,25", "0.25"},
      {std::string("\xA5z\0", 3), std::string("\xA5Z\0", 3)},  // code page 852 "ą" stays
  };
  for (const Row& row : rows) {
    std::string text = row.text;
    FormulaState state{false};
    EXPECT_FALSE(CheckParentheses(text, state)) << row.text;
    EXPECT_EQ(text, row.normalised);
    EXPECT_TRUE(state.formulaValid);
  }
}

TEST(CheckParentheses, UnbalancedTextIsReportedAndLeftAsItWas) {
  struct Row {
    std::string text;
    std::size_t count;
    char parenthesis;
    std::size_t position;  // of the parenthesis without its pair
  };
  const Row rows[] = {
      {"(1 + 2", 1, ')', 0}, {"1+2))", 2, '(', 3},   {"((1)", 1, ')', 0},
      {")((", 1, ')', 1},    {"sin((1)", 1, ')', 3}, {std::string(300, '('), 300, ')', 0},
  };
  for (const Row& row : rows) {
    std::string text = row.text;
    FormulaState state;
    const std::optional<MissingParentheses> missing = CheckParentheses(text, state);
    ASSERT_TRUE(missing) << row.text;
    EXPECT_EQ(missing->count, row.count) << row.text;
    EXPECT_EQ(missing->parenthesis, row.parenthesis) << row.text;
    EXPECT_EQ(missing->position, row.position) << row.text;
    EXPECT_EQ(text, row.text);
  }
}

TEST(ReportFormulaError, ClearsTheStateAndEndsTheCallersScan) {
  std::string text = "1";
  FormulaState state;
  ASSERT_FALSE(CheckParentheses(text, state));
  std::size_t position = 0;
  ReportFormulaError(state, "abc", position);
  EXPECT_EQ(position, 3u);
  position = 1;
  ReportFormulaError(state, "", position);
  EXPECT_EQ(position, 0u);
  EXPECT_FALSE(state.formulaValid);

  // The next expression opens a fresh state.
  ASSERT_FALSE(CheckParentheses(text, state));
  EXPECT_TRUE(state.formulaValid);
}

}  // namespace
}  // namespace calcorix::test
