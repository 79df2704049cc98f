#pragma once

#include <string>

namespace calcorix {

// The current expression. The driver fills it before every calculation; the parenthesis check
// rewrites it in place.
inline std::string expressionText;

// The value of the last calculation that got as far as a value (printed or not).
inline long double lastValue = 0;

// The result text of a value in the chosen format and number of places.
// Errors: EInvalidOp from the integer formats for values outside the signed 64-bit range.
std::string ResultText(long double value);

// Computes expressionText and writes one line: the value in the chosen format, or the error line.
// "Błąd: dzielenie przez zero." answers a division by zero, "Błąd w formule." every other error;
// a formula error found while scanning has printed its own line already, and an error raised later
// in the same expression adds its line after it. Unbalanced parentheses print only their own
// message. Always returns normally; only the end of the program (ProgramEnd) passes through.
void ResultPrinter();

}  // namespace calcorix
