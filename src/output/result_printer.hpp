#pragma once

#include <string>

#include "session/session.hpp"

namespace calcorix {

// The result text of a value in the session's format, number of places and decimal separator.
// Errors: EInvalidOp from the integer formats for values outside the signed 64-bit range.
std::string ResultText(const Session& session, long double value);

// Computes `expression` (the parenthesis check rewrites it in place) and hands its lines to
// session.output: the value in the chosen format, or what went wrong. Unbalanced parentheses give
// only their own line. A malformed formula gives "Błąd w formule" and no value; an arithmetic
// error raised in the same expression adds its line after it: "Błąd: dzielenie przez zero." for a
// division by zero, "Błąd w formule." for every other error. After a result line the value becomes
// ANS and is added to MEM. Answers true when the result line was written.
// Raises only what is no calculation error (a failure to allocate, the program's end).
bool ResultPrinter(Session& session, std::string& expression);

}  // namespace calcorix
