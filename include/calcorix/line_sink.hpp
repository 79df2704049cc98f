#pragma once

#include <cstddef>
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

// What went wrong in a calculation, in short. The kinds from UnmatchedParenthesis to
// UnexpectedCharacter are faults of the expression's text and come with a position in it.
enum class ErrorKind {
  None,
  UnmatchedParenthesis,  // a "(" that is never closed, or a ")" that closes nothing
  MissingNumber,         // an operand is missing: "2+", "2+*3", "*3", "()", "SIN()"
  MissingOperator,       // two operands side by side: "2(3)", "2PI", "(1)(2)", "3!4"
  MalformedNumber,       // "1.5.5", "1E", "."
  UnknownName,           // letters that name no function or constant: "X", "COST(1)", "SIN30"
  UnexpectedCharacter,   // a character that expressions do not use: "=", ";", "#"
  DivisionByZero,        // "Błąd: dzielenie przez zero."
  CalculationError,      // "Błąd w formule.": an invalid operation, an overflow, ...
};

class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual void Line(std::string_view text, LineKind kind) = 0;

  // After the lines of a calculation whose expression is malformed or whose parentheses do not
  // pair: its first fault and where it is, as an index into the expression as given (blanks and
  // tabs counted). An operand missing at the end is just after the last character that is no
  // blank; an unknown name is at its first letter; a missing-parentheses line points at the
  // unmatched parenthesis. Nothing is called for a well-formed expression.
  virtual void FormulaFault(ErrorKind kind, std::size_t position) {
    static_cast<void>(kind);
    static_cast<void>(position);
  }
};

}  // namespace calcorix
