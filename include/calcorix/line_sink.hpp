#pragma once

#include <string_view>

// Where the lines of a calculation go. A calculation writes one line for its result, or one or two
// lines for what went wrong; each is handed over as it is produced, as UTF-8 text without a line
// end, together with its kind.

namespace calcorix {

enum class LineKind {
  Result,              // the value in the chosen format
  MissingParentheses,  // "Brakuje 1 nawiasów ")"." or "(": nothing was computed
  FormulaError,        // "Błąd w formule": a malformed expression (an error line may follow)
  DivisionByZero,      // "Błąd: dzielenie przez zero."
  CalculationError,    // "Błąd w formule.": invalid operation, overflow, invalid argument
};

class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual void Line(std::string_view text, LineKind kind) = 0;
};

}  // namespace calcorix
