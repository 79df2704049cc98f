#pragma once

#include <string>
#include <string_view>

#include "session/session.hpp"

namespace calcorix {

// Walks a cleaned expression (upper case, no blanks) from left to right, copies numbers, operator
// characters and parentheses, and replaces every named constant and every function call by the
// number text of its value; each argument is scanned and computed on its own first. The result
// holds only number texts, operators and parentheses and is never cut.
//
// A character or name that the language lacks, or a function's "(" without its ")", is a formula
// error (session.formula): it ends the scan of the current text, whose output so
// far is returned; a scan of an argument that stops this way still yields a value for the call.
// Errors raised while an argument is computed or a function applied (EDivByZero, EInvalidOp,
// EOverflow, EInvalidArgument) leave every level of the scan at once.
std::string ScanExpression(Session& session, std::string_view text);

}  // namespace calcorix
