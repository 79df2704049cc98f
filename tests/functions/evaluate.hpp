#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

#include "arith/errors.hpp"
#include "session/name_table.hpp"
#include "session/session.hpp"

// Calls the library the way the scanner will: by name, through MatchName, in a session of the
// tests' own, and tells the outcome apart by the error kind.

namespace calcorix::testing {

// The session every call of these tests runs in.
inline Session& TestSession() {
  static Session session;
  return session;
}

enum class Outcome { Value, DivByZero, Invalid, Overflow, NoSuchName };

struct Evaluation {
  Outcome outcome = Outcome::NoSuchName;
  long double value = 0;
};

template <class Call>
Evaluation Classify(Call call) {
  try {
    return {Outcome::Value, call()};
  } catch (const EDivByZero&) {
    return {Outcome::DivByZero};
  } catch (const EInvalidOp&) {
    return {Outcome::Invalid};
  } catch (const EOverflow&) {
    return {Outcome::Overflow};
  }
}

// `name` as the scanner sees it ("SIN(" or "PI"); a function gets x, a constant ignores it.
inline Evaluation Evaluate(std::string_view name, long double x = 0) {
  const NamedValue* entry = MatchName(name, 0);
  if (entry == nullptr || entry->name != name) return {};
  if (entry->function != nullptr) {
    return Classify([&] { return entry->function(TestSession(), x); });
  }
  return Classify([&] { return entry->constant(TestSession()); });
}

// |actual - expected| within `ulps` units in the last place of expected (0: bit for bit equal).
inline bool WithinUlps(long double actual, long double expected, int ulps) {
  if (ulps == 0) return actual == expected && std::signbit(actual) == std::signbit(expected);
  const long double magnitude = std::fabs(expected);
  const long double ulp =
      std::nextafter(magnitude, std::numeric_limits<long double>::infinity()) - magnitude;
  return std::fabs(actual - expected) <= ulps * ulp;
}

inline const char* OutcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::Value:
      return "value";
    case Outcome::DivByZero:
      return "EDivByZero";
    case Outcome::Invalid:
      return "EInvalidOp";
    case Outcome::Overflow:
      return "EOverflow";
    case Outcome::NoSuchName:
      return "no such name";
  }
  return "?";
}

// Sets the angle unit for one test and puts the previous one back.
class AngleUnitScope {
 public:
  explicit AngleUnitScope(AngleUnit unit) : saved_(TestSession().angleUnit) {
    TestSession().angleUnit = unit;
  }
  ~AngleUnitScope() { TestSession().angleUnit = saved_; }
  AngleUnitScope(const AngleUnitScope&) = delete;
  AngleUnitScope& operator=(const AngleUnitScope&) = delete;

 private:
  AngleUnit saved_;
};

}  // namespace calcorix::testing
