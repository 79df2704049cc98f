#pragma once

#include <ostream>

#include "arith/errors.hpp"

// The one error classifier of the test suites: a step's value, or the kind of calculation error
// that left it. Any other exception is not a calculation's and passes through.

namespace calcorix::test {

enum class Kind { Value, NotComputed, DivByZero, InvalidOp, Overflow, InvalidArgument };

inline std::ostream& operator<<(std::ostream& os, Kind kind) {
  static const char* const names[] = {"Value",     "NotComputed", "DivByZero",
                                      "InvalidOp", "Overflow",    "InvalidArgument"};
  return os << names[static_cast<int>(kind)];
}

struct Outcome {
  Kind kind = Kind::Value;
  long double value = 0;
};

template <class Step>
Outcome Classify(Step step) {
  try {
    return {Kind::Value, step()};
  } catch (const EDivByZero&) {
    return {Kind::DivByZero};
  } catch (const EInvalidOp&) {
    return {Kind::InvalidOp};
  } catch (const EOverflow&) {
    return {Kind::Overflow};
  } catch (const EInvalidArgument&) {
    return {Kind::InvalidArgument};
  }
}

}  // namespace calcorix::test
