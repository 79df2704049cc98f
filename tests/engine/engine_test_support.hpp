#pragma once

#include <cmath>
#include <functional>
#include <string>

#include "engine/compute.hpp"
#include "engine/formula.hpp"
#include "support/outcome.hpp"

namespace calcorix::test {

// The formula-error line as a pipe receives it (code page 852, CR LF).
inline const std::string kFormulaErrorLine =
    "B\x88\xA5"
    "d w formule\r\n";

struct Observed : Outcome {
  // What the result printer writes ahead of the value or the error line: the formula-error line
  // when the expression's formula state was cleared, else nothing.
  std::string printed;
};

// A step that does not touch the formula state.
inline Observed Observe(const std::function<long double()>& step) {
  Observed o;
  static_cast<Outcome&>(o) = Classify(step);
  return o;
}

// A step of a pass, run with an expression's fresh formula state.
inline Observed ObserveFormula(const std::function<long double(FormulaState&)>& step) {
  FormulaState state{true};
  Observed o;
  static_cast<Outcome&>(o) = Classify([&] { return step(state); });
  if (!state.formulaValid) o.printed = kFormulaErrorLine;
  return o;
}

// What the result printer does with a whole expression: CheckParentheses, then ComputeText.
inline Observed RunExpression(std::string text) {
  FormulaState state;
  if (CheckParentheses(text, state)) {
    Observed o;
    o.kind = Kind::NotComputed;
    return o;
  }
  return ObserveFormula([&](FormulaState& s) {
    s = state;
    return ComputeText(text, s);
  });
}

// Exact when tolerance is 0, else within a relative tolerance.
inline bool SameValue(long double actual, long double expected, long double tolerance) {
  if (tolerance == 0) return actual == expected;
  return std::fabs(actual - expected) <= tolerance * std::fabs(expected);
}

}  // namespace calcorix::test
