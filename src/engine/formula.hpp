#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The once-per-expression formula-error state, and the check that opens it.
//
// A malformed formula is never thrown: ReportFormulaError prints its line in place and the pass
// that found it stops and hands on what it has, so the expression may still raise an arithmetic
// error afterwards ("(2*)/0" prints the formula line, then divides 2 by 0).

namespace calcorix {

// True from CheckParentheses until the first ReportFormulaError of the expression. The result
// printer prints a value only while it is still true.
inline bool formulaValid = false;

// Writes "Błąd w formule" unless this expression has already reported one, clears formulaValid
// and sets position to text.size(), which ends the caller's scan of `text`.
// Raises nothing.
void ReportFormulaError(std::string_view text, std::size_t& position);

// Opens the expression's error state (formulaValid = true), then compares the counts of "(" and
// ")". Unbalanced: writes "Brakuje N nawiasów ")"." (or "(") and answers false, leaving the text
// as it was. Balanced: removes every blank, upper-cases a-z (nothing else), turns an empty result
// into "0" and answers true. The order of the parentheses is not examined here.
// Raises nothing.
bool CheckParentheses(std::string& expression);

}  // namespace calcorix
