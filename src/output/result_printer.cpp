#include "output/result_printer.hpp"

#include <cstdint>

#include "arith/decimal_digits.hpp"
#include "arith/errors.hpp"
#include "arith/round_half_even.hpp"
#include "engine/compute.hpp"
#include "engine/formula.hpp"
#include "output/number_format.hpp"
#include "output/radix_format.hpp"
#include "output/scientific.hpp"
#include "session/grammar.hpp"
#include "session/named_constants.hpp"
#include "session/scanner.hpp"

namespace calcorix {
namespace {

void WriteMissingParentheses(Session& session, const MissingParentheses& missing) {
  std::string line = "Brakuje ";
  AppendUnsigned(line, missing.count);
  line += " nawiasów \"";
  line += missing.parenthesis;
  line += "\".";
  session.output->Line(line, LineKind::MissingParentheses);
}

// The formula-error line comes once per expression, before any error line of the same expression.
void WriteFormulaErrorIfAny(Session& session) {
  if (!session.formula.formulaValid) session.output->Line("Błąd w formule", LineKind::FormulaError);
}

// The outcome of a calculation that printed no value: the text's fault when it has one (with its
// place in the expression as given), else `otherwise`.
CalculationOutcome Failed(const std::optional<FormulaFault>& fault, std::string_view given,
                          ErrorKind otherwise) {
  if (!fault) return {false, otherwise, std::nullopt};
  return {false, fault->kind, PositionBeforeCleaning(given, fault->position)};
}

}  // namespace

std::string ResultText(const Session& session, long double value) {
  const Options& options = session.options;
  // Modulo 256, as the -f switch keeps the low 8 bits of its whole number.
  const int places = static_cast<std::uint8_t>(options.decimalPlaces);
  const bool fullPrecision = places == kNoFixedPlaces;
  const char separator = options.decimalSeparator;
  switch (options.outputFormat) {
    case OutputFormat::Decimal:
      return fullPrecision ? FormatGeneral(value, 16, 1, separator)
                           : FormatFixed(value, places, separator);
    case OutputFormat::Scientific:
      return ScientificText(value, places, separator);
    case OutputFormat::Exponential:
      return fullPrecision ? FormatExponentPattern(value, separator)
                           : FormatExponent(value, places, 2, separator);
    case OutputFormat::Hexadecimal:
      return RadixDigits(RoundHalfEven(value), 16, 8);
    case OutputFormat::Octal:
      return RadixDigits(RoundHalfEven(value), 8, 10);
    case OutputFormat::Binary:
      return RadixDigits(RoundHalfEven(value), 2, 30);
  }
  return FormatGeneral(value, 16, 1, separator);
}

CalculationOutcome ResultPrinter(Session& session, std::string_view expression) {
  std::string text(expression);
  if (const auto missing = CheckParentheses(text, session.formula)) {
    WriteMissingParentheses(session, *missing);
    return {false, ErrorKind::UnmatchedParenthesis, missing->position};
  }
  const std::optional<FormulaFault> fault = FindFormulaFault(text);
  try {
    const std::string reduced = ScanExpression(session, text);
    const long double value = ComputeText(reduced, session.formula);
    if (!session.formula.formulaValid) {
      WriteFormulaErrorIfAny(session);
      // The passes find no fault the grammar lets through; this is only a fallback.
      return Failed(fault, expression, ErrorKind::MissingNumber);
    }
    // Built completely before anything is written: an error while formatting prints no part of it.
    const std::string result = ResultText(session, value);
    if (fault) {
      session.output->Line("Błąd w formule", LineKind::FormulaError);
      return Failed(fault, expression, ErrorKind::None);
    }
    session.output->Line(result, LineKind::Result);
    RecordPrintedResult(session, value);
    return {true, ErrorKind::None, std::nullopt};
  } catch (const EDivByZero&) {
    WriteFormulaErrorIfAny(session);
    session.output->Line("Błąd: dzielenie przez zero.", LineKind::DivisionByZero);
    return Failed(fault, expression, ErrorKind::DivisionByZero);
  } catch (const CalculationError&) {
    WriteFormulaErrorIfAny(session);
    session.output->Line("Błąd w formule.", LineKind::CalculationError);
    return Failed(fault, expression, ErrorKind::CalculationError);
  }
}

}  // namespace calcorix
