#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calcorix/line_sink.hpp"
#include "session/session.hpp"

namespace calcorix {

// The result text of a value in the session's format, number of places and decimal separator.
// Errors: EInvalidOp from the integer formats for values outside the signed 64-bit range.
std::string ResultText(const Session& session, long double value);

// What became of one calculation.
struct CalculationOutcome {
  bool printed = false;  // the result line was written
  // The expression's first fault, else the arithmetic error, else None.
  ErrorKind error = ErrorKind::None;
  // Where the fault is, in the expression as given; only for the faults of the text.
  std::optional<std::size_t> errorPosition;
};

// Computes `expression` and hands its lines to session.output: the value in the chosen format, or
// what went wrong. Unbalanced parentheses give only their own line. A malformed formula gives
// "Błąd w formule" and no value; an arithmetic error raised in the same expression adds its line
// after it: "Błąd: dzielenie przez zero." for a division by zero, "Błąd w formule." for every
// other error.
//
// A text that the grammar (session/grammar.hpp) rejects never prints a value: where the passes
// would print one ("2(3)", "2+", "1E"), the formula-error line takes its place. Such a text is
// still computed, so that the lines it printed before are kept ("(2*)/0" prints the formula-error
// and the division line). After a result line the value becomes ANS and is added to MEM.
// Raises only what is no calculation error (a failure to allocate, the program's end).
CalculationOutcome ResultPrinter(Session& session, std::string_view expression);

}  // namespace calcorix
