#pragma once

#include <string>

#include "calcorix/calculator.hpp"
#include "calcorix/graph.hpp"

namespace calcorix::test {

// The passes of `calcorix -l<start>:<step>:<end> <expression>`, computed by the library as the
// program's loop computes them: LI advances by 80-bit addition until it passes the end.
inline GraphSeries LoopSeries(const std::string& expression, LoopRange loop,
                              AngleUnit unit = AngleUnit::Radians,
                              std::uint64_t passLimit = kGraphPassLimit) {
  Options options;
  options.angleUnit = unit;
  Calculator calculator(options);
  GraphSeries series(loop, kGraphColumns, passLimit);
  for (long double li = loop.start;;) {
    calculator.SetLoopValue(li);
    if (!AddPass(series, calculator, expression)) break;
    li += loop.step;
    if (loop.step >= 0 ? li > loop.end : li < loop.end) break;
  }
  return series;
}

}  // namespace calcorix::test
