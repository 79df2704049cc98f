// The deepest expressions a user can type (255 characters) through the whole calculation, in the
// test process itself: under the sanitize preset its frames are the large ones.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calcorix/calculator.hpp"

namespace calcorix::test {
namespace {

std::string Repeat(const std::string& part, int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += part;
  return text;
}

// `count` levels of head ... tail around `inside`.
std::string Nested(const std::string& head, const std::string& inside, const std::string& tail,
                   int count) {
  return Repeat(head, count) + inside + Repeat(tail, count);
}

struct DeepCase {
  const char* name;
  std::string expression;
  std::vector<std::string> expected;
};

TEST(Hostile, DeepestExpressionsComputeThroughTheResultPrinter) {
  const std::vector<DeepCase> cases = {
      {"127 groups", Nested("(", "7", ")", 127), {"7"}},
      {"126 groups of a sum", Nested("(", "1+1", ")", 126), {"2"}},
      {"126 groups, raised", Nested("(", "2", ")", 126) + "^2", {"4"}},
      {"126 groups as exponent", "2^" + Nested("(", "3", ")", 126), {"8"}},
      {"126 groups, factorial", Nested("(", "3", ")", 126) + "!", {"6"}},
      {"63 powers of groups", Nested("(", "2", ")^1", 63), {"2"}},
      {"63 groups each multiplied", Nested("2*(", "1", ")", 63), {"9.223372036854776E18"}},
      {"84 negated groups", Nested("-(", "1", ")", 84), {"1"}},
      // LN(1) = 0, and the logarithm of 0 one level up is a division by zero.
      {"63 nested calls", Nested("LN(", "1", ")", 63), {"Błąd: dzielenie przez zero."}},
      {"63 nested calls, the innermost wrong", Nested("LN(", "0-1", ")", 63), {"Błąd w formule."}},
      {"63 nested calls, a formula error inside", Nested("SI(", "1#", ")", 63), {"Błąd w formule"}},
      {"a division by zero at the bottom",
       Nested("(", "1/0", ")", 126),
       {"Błąd: dzielenie przez zero."}},
      {"one parenthesis short",
       Nested("(", "1", ")", 127).substr(1),
       {"Brakuje 1 nawiasów \"(\"."}},
  };
  for (const DeepCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_LE(c.expression.size(), 255u) << c.expression;
    Calculator calculator;
    EXPECT_EQ(calculator.Evaluate(c.expression).lines, c.expected);
  }
}

}  // namespace
}  // namespace calcorix::test
