#include "output/result_printer.hpp"

#include <exception>

#include "arith/errors.hpp"
#include "engine/compute.hpp"
#include "engine/formula.hpp"
#include "engine/scanner.hpp"
#include "functions/named_constants.hpp"
#include "output/number_format.hpp"
#include "output/radix_format.hpp"
#include "output/scientific.hpp"
#include "platform/console.hpp"
#include "settings/settings.hpp"

namespace calcorix {

std::string ResultText(long double value) {
  const int places = settings.decimalPlaces;
  const bool fullPrecision = settings.decimalPlaces == kNoFixedPlaces;
  switch (settings.outputFormat) {
    case OutputFormat::Decimal:
      return fullPrecision ? FormatGeneral(value, 16, 1) : FormatFixed(value, places);
    case OutputFormat::Scientific:
      return ScientificText(value, places);
    case OutputFormat::Exponential:
      return fullPrecision ? FormatExponentPattern(value) : FormatExponent(value, places, 2);
    case OutputFormat::Hexadecimal:
      return RadixDigits(RoundHalfEven(value), 16, 8);
    case OutputFormat::Octal:
      return RadixDigits(RoundHalfEven(value), 8, 10);
    case OutputFormat::Binary:
      return RadixDigits(RoundHalfEven(value), 2, 30);
  }
  return FormatGeneral(value, 16, 1);
}

void ResultPrinter() {
  if (!CheckParentheses(expressionText)) return;
  try {
    const std::string reduced = ScanExpression(expressionText);
    lastValue = ComputeText(reduced);
    if (!formulaValid) return;
    // Built completely before anything is written: an error while formatting prints no part of it.
    const std::string text = ResultText(lastValue);
    WriteLine(text);
    RecordPrintedResult(lastValue);
  } catch (const EDivByZero&) {
    WriteLine("Błąd: dzielenie przez zero.");
  } catch (const std::exception&) {
    WriteLine("Błąd w formule.");
  }
}

}  // namespace calcorix
