#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

#include "session/name_table.hpp"
#include "session/session.hpp"
#include "support/outcome.hpp"

// Calls the library the way the scanner will: by name, through MatchName, in a session of the
// tests' own, and tells the outcome apart by the error kind.

namespace calcorix::test {

// The session every call of these tests runs in.
inline Session& TestSession() {
  static Session session;
  return session;
}

// `name` as the scanner sees it ("SIN(" or "PI"); a function gets x, a constant ignores it.
// NotComputed when the table has no such name.
inline Outcome Evaluate(std::string_view name, long double x = 0) {
  const NamedValue* entry = MatchName(name, 0);
  if (entry == nullptr || entry->name != name) return {Kind::NotComputed};
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

// Sets the angle unit for one test and puts the previous one back.
class AngleUnitScope {
 public:
  explicit AngleUnitScope(AngleUnit unit) : saved_(TestSession().options.angleUnit) {
    TestSession().options.angleUnit = unit;
  }
  ~AngleUnitScope() { TestSession().options.angleUnit = saved_; }
  AngleUnitScope(const AngleUnitScope&) = delete;
  AngleUnitScope& operator=(const AngleUnitScope&) = delete;

 private:
  AngleUnit saved_;
};

}  // namespace calcorix::test
