#pragma once

#include <utility>

#include "calcorix/choices.hpp"
#include "calcorix/line_sink.hpp"
#include "engine/formula.hpp"
#include "functions/random.hpp"

// The calculation session: everything a calculation reads or writes, in one record that is handed
// down by reference. Nothing below it keeps state of its own, so sessions are independent of each
// other and a session can be used from any thread (by one at a time).

namespace calcorix {

struct Session {
  Session() = default;
  explicit Session(Options chosen) : options(std::move(chosen)), random(options.seed) {}

  Options options;  // as the user gave them; the printer takes the places modulo 256

  long double loopValue = 0;  // LI
  // ANS: the value of the last calculation whose result line was printed; MEM: the sum of all of
  // them. Both change only through RecordPrintedResult.
  long double answerValue = 0;
  long double memoryValue = 0;

  RandomGenerator random;
  FormulaState formula;
  LineSink* output = nullptr;  // where the lines of a calculation go
};

}  // namespace calcorix
