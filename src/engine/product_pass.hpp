#pragma once

#include <string_view>

#include "engine/formula.hpp"

namespace calcorix {

// Computes a text without "^" and "!" from left to right: a parenthesised group is computed by
// this pass (recursively) and its value written in its place; "*" and "/" take the last number of
// the text built so far as the left operand and a number or a group after a run of signs as the
// right one, and write their result back; "+", "-" and number runs are copied. SumPass of what
// was built is the value. Every written value goes through FormatSubstitutedValue, so it keeps at
// most 15 decimals ("1/3*3" is 0.999999999999999).
//
// Formula errors (ReportFormulaError; the pass stops and gives SumPass of what it has built):
// "*" or "/" not followed, after its signs, by NumberChars or "(", any character the pass does
// not know (")", "^", "!", "E" at the start of a run, letters, blanks, control bytes), and a "("
// whose ")" is missing (ruling D4). Operands are taken in the order below, so after "*(" with its
// ")" missing the left operand is already gone from the built text ("2*(" gives 0), while after
// "/(" it is still there ("2/(" gives 2).
//
// Errors, in the order the steps run ("*": left operand, right operand, product; "/" by a number:
// divisor, left operand, quotient; "/" by a group: group, left operand, quotient):
// EDivByZero for a non-zero value divided by 0, also by a group whose value is 0 (ruling D1);
// EInvalidOp for 0/0; EOverflow from a product, a quotient or TextToNumber.
long double ProductPass(std::string_view text, FormulaState& state);

}  // namespace calcorix
