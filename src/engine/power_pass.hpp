#pragma once

#include <string>
#include <string_view>

#include "engine/formula.hpp"

namespace calcorix {

// Resolves every "^" and "!" of the text from right to left, so that "^" is right-associative
// and a factorial on an exponent comes first ("2^3!" is 2^6). Each operation and its operands are
// replaced by FormatSubstitutedValue of its value; the scan then goes on to the left of the
// inserted text. A run of several "!" applies Factorial again for each mark ("3!!" is 720).
//
// A group with a missing parenthesis on either side of an operator (ruling D4) is a formula
// error: the pass stops and gives the text as it stands.
// Errors: those of Power, IntPower, Factorial, TextToNumber and of the groups' ComputeText, in
// the order the operations run.
std::string PowerPass(std::string_view input, FormulaState& state);

}  // namespace calcorix
