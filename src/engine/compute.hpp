#pragma once

#include <string_view>

#include "engine/formula.hpp"

namespace calcorix {

// The value of a reduced expression (number texts, operators and parentheses): PowerPass, then
// ProductPass of its result. Formula errors are reported in `state` (formulaValid); arithmetic
// errors propagate as EDivByZero, EInvalidOp, EOverflow or EInvalidArgument from the step that
// raised them. The empty text gives 0.
long double ComputeText(std::string_view reduced, FormulaState& state);

}  // namespace calcorix
