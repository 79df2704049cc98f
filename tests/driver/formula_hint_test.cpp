#include "driver/formula_hint.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace calcorix::test {
namespace {

// The caret stands under the fault however the expression is shown: a tab as one blank, a UTF-8
// character as one column, anything the terminal cannot show as "?".
TEST(FormulaHint, PutsTheCaretUnderTheFault) {
  const struct {
    std::string expression;
    std::size_t position;
    ErrorKind kind;
    bool utf8;
    std::vector<std::string> lines;
  } rows[] = {
      {"2+*3", 2, ErrorKind::MissingNumber, false, {"  2+*3", "    ^ tu brakuje liczby"}},
      {"1\t+", 3, ErrorKind::MissingNumber, false, {"  1 +", "     ^ tu brakuje liczby"}},
      {"\xC4\x85+cost(1)",
       3,
       ErrorKind::UnknownName,
       true,
       {"  \xC4\x85+cost(1)", "    ^ nieznana nazwa \"cost\""}},
      {"\xC4\x85+cost(1)",
       3,
       ErrorKind::UnknownName,
       false,
       {"  ??+cost(1)", "     ^ nieznana nazwa \"cost\""}},
      {"\x1b[2J1)",
       5,
       ErrorKind::UnmatchedParenthesis,
       true,
       {"  ?[2J1)", "       ^ ten nawias niczego nie zamyka"}},
      {"(1+2",
       0,
       ErrorKind::UnmatchedParenthesis,
       false,
       {"  (1+2", "  ^ ten nawias nie jest zamknięty"}},
      {"2(3)", 1, ErrorKind::MissingOperator, false, {"  2(3)", "   ^ tu brakuje znaku działania"}},
  };
  for (const auto& row : rows)
    EXPECT_EQ(FormulaHint(row.expression, row.position, row.kind, row.utf8), row.lines)
        << row.expression;
}

}  // namespace
}  // namespace calcorix::test
