// The shared readers at the edges of their texts.
#include "engine/readers.hpp"

#include <gtest/gtest.h>

#include <string>

namespace calcorix::test {
namespace {

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
      {"2/-3", -3, "2/"},
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
  FormulaState state{true};
  std::string argument;
  std::size_t position = 3;
  const bool found = ExtractArgument("SIN(2*(1+1))+1", position, argument, state);
  EXPECT_TRUE(found);
  EXPECT_EQ(argument, "2*(1+1)");
  EXPECT_EQ(position, 12u);

  position = 0;
  EXPECT_TRUE(ExtractArgument("()", position, argument, state));
  EXPECT_TRUE(state.formulaValid);
  EXPECT_EQ(argument, "");
  EXPECT_EQ(position, 2u);

  // Ruling D4: no ")" before the end is a formula error, and nothing past the end is read.
  const std::string text = "1)+SIN(2";
  position = 6;
  EXPECT_FALSE(ExtractArgument(text, position, argument, state));
  EXPECT_EQ(argument, "");
  EXPECT_EQ(position, text.size());
  position = 1;
  EXPECT_FALSE(state.formulaValid);
  EXPECT_FALSE(ExtractArgument("((((", position, argument, state));
  EXPECT_FALSE(state.formulaValid);
}

}  // namespace
}  // namespace calcorix::test
