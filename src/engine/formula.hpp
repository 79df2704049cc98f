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
  // The unmatched parenthesis the line is about: the first "(" that is never closed, or the
  // first ")" that closes nothing (an index into the text as given).
  std::size_t position = 0;
};

// Opens the expression's error state (formulaValid = true), then compares the counts of "(" and
// ")". Unbalanced: answers what is missing and leaves the text as it was. Balanced: removes every
// blank and tab, upper-cases a-z (nothing else), reads "," as the decimal point ".", turns an
// empty result into "0" and answers nothing. The order of the parentheses is not examined here.
// Raises nothing.
std::optional<MissingParentheses> CheckParentheses(std::string& expression, FormulaState& state);

// The index in `given` of the character that CheckParentheses moved to `cleaned` in its cleaned
// text; for the end of the cleaned text, the index just after the last character of `given` that
// is no blank or tab.
std::size_t PositionBeforeCleaning(std::string_view given, std::size_t cleaned);

}  // namespace calcorix
