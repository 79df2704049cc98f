#pragma once

#include <cstdint>
#include <string>

#include "calcorix/choices.hpp"
#include "calcorix/line_sink.hpp"
#include "engine/formula.hpp"
#include "functions/random.hpp"

// The calculation session: everything a calculation reads or writes, in one record that is handed
// down by reference. Nothing below it keeps state of its own, so sessions are independent of each
// other and a session can be used from any thread (by one at a time).

namespace calcorix {

struct Session {
  AngleUnit angleUnit = AngleUnit::Radians;
  OutputFormat outputFormat = OutputFormat::Decimal;
  std::uint8_t decimalPlaces = kNoFixedPlaces;  // kNoFixedPlaces: none fixed
  char decimalSeparator = '.';                  // of printed results only

  long double loopValue = 0;  // LI
  // ANS: the value of the last calculation whose result line was printed; MEM: the sum of all of
  // them. Both change only through RecordPrintedResult.
  long double answerValue = 0;
  long double memoryValue = 0;

  RandomGenerator random;
  FormulaState formula;
  LineSink* output = nullptr;  // where the lines of a calculation go

  std::string expressionText;  // the current expression; the parenthesis check rewrites it
};

}  // namespace calcorix
