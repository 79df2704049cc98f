#pragma once

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "arith/errors.hpp"
#include "engine/compute.hpp"
#include "engine/formula.hpp"
#include "platform/console.hpp"

namespace calcorix::test {

// The formula-error line as a pipe receives it (code page 852, CR LF).
inline const std::string kFormulaErrorLine =
    "B\x88\xA5"
    "d w formule\r\n";

enum class Kind { Value, NotComputed, DivByZero, InvalidOp, Overflow, InvalidArgument };

inline std::ostream& operator<<(std::ostream& os, Kind kind) {
  static const char* const names[] = {"Value",     "NotComputed", "DivByZero",
                                      "InvalidOp", "Overflow",    "InvalidArgument"};
  return os << names[static_cast<int>(kind)];
}

struct Outcome {
  Kind kind = Kind::Value;
  long double value = 0;
  std::string console;  // what was written before the value came out or the error left
};

// Runs `step` with the console captured and turns each error kind into a Kind. The capture ends
// before the error is looked at, so `console` holds exactly what was written before it left.
inline Outcome Observe(const std::function<long double()>& step) {
  Outcome o;
  CaptureConsole(&o.console);
  try {
    o.value = step();
  } catch (const EDivByZero&) {
    o.kind = Kind::DivByZero;
  } catch (const EInvalidOp&) {
    o.kind = Kind::InvalidOp;
  } catch (const EOverflow&) {
    o.kind = Kind::Overflow;
  } catch (const EInvalidArgument&) {
    o.kind = Kind::InvalidArgument;
  } catch (...) {
    CaptureConsole(nullptr);
    throw;
  }
  CaptureConsole(nullptr);
  return o;
}

// What the result printer will do with a whole expression: CheckParentheses, then ComputeText.
inline Outcome RunExpression(std::string text) {
  bool checked = false;
  Outcome o = Observe([&]() -> long double {
    checked = CheckParentheses(text);
    return checked ? ComputeText(text) : 0.0L;
  });
  if (!checked) o.kind = Kind::NotComputed;
  return o;
}

// Exact when tolerance is 0, else within a relative tolerance.
inline bool SameValue(long double actual, long double expected, long double tolerance) {
  if (tolerance == 0) return actual == expected;
  return std::fabs(actual - expected) <= tolerance * std::fabs(expected);
}

}  // namespace calcorix::test
