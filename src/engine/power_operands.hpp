#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "engine/formula.hpp"

// The operand readers of the power pass. They only read; the pass deletes what they spanned. An
// operand is either a parenthesised group, whose value ComputeText gives and which is used as it
// is, or a number run read with TextToNumber (an empty run gives 0).
//
// A group whose other parenthesis is missing is a formula error (ruling D4): the reader reports it
// through ReportFormulaError and gives no value, and the pass stops.

namespace calcorix {

// The operand at the front of `after`, the text that follows a "^": a run of signs, then a group
// or a number run; the value is the sign times the operand's. `length` is set to the number of
// characters from the front of `after` through the end of the operand.
// Errors: whatever ComputeText or TextToNumber raise.
std::optional<long double> ReadRightOperand(std::string_view after, std::size_t& length,
                                            FormulaState& state);

// The operand that ends `before`: a ")" there closes a group reaching back to its "(" (a sign
// before that "(" is never part of it); otherwise the number run, with a sign in front of it when
// the sign begins the text or follows "*", "+", "-" or "/". `start` is set to the index where the
// operand begins (before.size() for an empty operand).
// Errors: whatever ComputeText or TextToNumber raise.
std::optional<long double> ReadLeftOperand(std::string_view before, std::size_t& start,
                                           FormulaState& state);

// The number of "!" that end `before`. Raises nothing.
std::size_t CountFactorialMarks(std::string_view before);

}  // namespace calcorix
