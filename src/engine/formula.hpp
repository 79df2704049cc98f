#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The once-per-expression formula-error state, and the check that opens it.
//
// A malformed formula is never thrown: ReportFormulaError marks the expression as failed and the
// pass that found it stops and hands on what it has, so the expression may still raise an
// arithmetic error afterwards ("(2*)/0" is malformed, and then divides 2 by 0). The engine prints
// nothing itself; the result printer writes the formula-error line once, before any error line.

namespace calcorix {

struct FormulaState {
  // True from CheckParentheses until the first ReportFormulaError of the expression. The result
  // printer prints a value only while it is still true.
  bool formulaValid = false;
};

// Clears formulaValid and sets position to text.size(), which ends the caller's scan of `text`.
// Raises nothing.
void ReportFormulaError(FormulaState& state, std::string_view text, std::size_t& position);

// How many parentheses of which kind an unbalanced expression lacks.
struct MissingParentheses {
  std::size_t count = 0;
  char parenthesis = ')';  // ')' when there are more "(" than ")", else '('
};

// Opens the expression's error state (formulaValid = true), then compares the counts of "(" and
// ")". Unbalanced: answers what is missing and leaves the text as it was. Balanced: removes every
// blank, upper-cases a-z (nothing else), turns an empty result into "0" and answers nothing. The
// order of the parentheses is not examined here. Raises nothing.
std::optional<MissingParentheses> CheckParentheses(std::string& expression, FormulaState& state);

}  // namespace calcorix
