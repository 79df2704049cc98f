#include "session/name_table.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace calcorix::test {
namespace {

TEST(NameTable, HoldsThe38FunctionsAndTheFourConstants) {
  const std::set<std::string_view> expected = {
      "ABS(",   "ACOS(",  "ACOSH(", "ADBV(", "ADBW(", "ANS",   "ASIN(", "ASINH(", "ATAN(",
      "ATANH(", "COS(",   "COSH(",  "COT(",  "COTH(", "CSC(",  "CUB(",  "DBV(",   "DBW(",
      "EXP(",   "EXP10(", "FRAC(",  "GRAD(", "INT(",  "LI",    "LN(",   "LOG(",   "LOG2(",
      "MEM",    "PI",     "POW2(",  "RAD(",  "RAN(",  "RND(",  "SEC(",  "SGN(",   "SI(",
      "SIN(",   "SINH(",  "SQR(",   "SQRT(", "TAN(",  "TANH(",
  };
  std::set<std::string_view> names;
  int functions = 0;
  for (const NamedValue& entry : NamedValues()) {
    names.insert(entry.name);
    const bool isFunction = entry.name.ends_with('(');
    EXPECT_EQ(entry.function != nullptr, isFunction) << entry.name;
    EXPECT_EQ(entry.constant != nullptr, !isFunction) << entry.name;
    if (isFunction) ++functions;
  }
  EXPECT_EQ(NamedValues().size(), 42u);
  EXPECT_EQ(names, expected);
  EXPECT_EQ(functions, 38);
}

TEST(NameTable, NoNameIsAPrefixOfAnother) {
  for (const NamedValue& a : NamedValues()) {
    for (const NamedValue& b : NamedValues()) {
      if (&a == &b) continue;
      EXPECT_FALSE(b.name.starts_with(a.name)) << a.name << " / " << b.name;
    }
  }
}

TEST(NameTable, EveryNameFindsItsOwnEntry) {
  for (const NamedValue& entry : NamedValues()) {
    const std::string text = "2*" + std::string(entry.name) + "1)";
    EXPECT_EQ(MatchName(text, 2), &entry) << text;
  }
}

TEST(NameTable, MatchesOnlyWholeNamesWithinTheText) {
  struct Case {
    std::string_view text;
    std::size_t position;
    const char* expected;  // nullptr: no name
  };
  const Case cases[] = {
      {"SIN(30)", 0, "SIN("},
      {"2*SIN(30)", 2, "SIN("},
      {"SIN(", 0, "SIN("},
      {"SINH(1)", 0, "SINH("},
      {"SI(1)", 0, "SI("},
      {"COS(1)", 0, "COS("},
      {"COST(1)", 0, nullptr},
      {"SIN30", 0, nullptr},
      {"SINX(1)", 0, nullptr},
      {"SQRT", 0, nullptr},  // cut off before its "("
      {"SIN", 0, nullptr},
      {"EXP(2)", 0, "EXP("},
      {"EXP10(2)", 0, "EXP10("},
      {"EXP1(2)", 0, nullptr},
      {"LOG(8)", 0, "LOG("},
      {"LOG2(8)", 0, "LOG2("},
      {"LOG3(8)", 0, nullptr},
      {"ASIN(0)", 0, "ASIN("},
      {"ASINH(0)", 0, "ASINH("},
      {"PI", 0, "PI"},
      {"2PI", 1, "PI"},
      {"PIE", 0, "PI"},  // the name ends at "I"; the "E" is the scanner's next character
      {"P", 0, nullptr},
      {"LI+1", 0, "LI"},
      {"ANS*2", 0, "ANS"},
      {"AN", 0, nullptr},
      {"MEM", 0, "MEM"},
      {"2*ME", 2, nullptr},
      {"E", 0, nullptr},
      {"X1", 0, nullptr},
      {"2EXP(0)", 2, nullptr},
      {"sin(0)", 0, nullptr},
      {"BIN(1)", 0, nullptr},
      {"ZZ", 0, nullptr},
      {"", 0, nullptr},
      {"SIN(1)", 6, nullptr},
      {"SIN(1)", 99, nullptr},
  };
  for (const Case& c : cases) {
    const NamedValue* found = MatchName(c.text, c.position);
    if (c.expected == nullptr) {
      EXPECT_EQ(found, nullptr) << c.text << " at " << c.position << " found " << found->name;
    } else {
      ASSERT_NE(found, nullptr) << c.text << " at " << c.position;
      EXPECT_EQ(found->name, c.expected) << c.text << " at " << c.position;
    }
  }
}

TEST(NameTable, NeverReadsBeyondTheGivenText) {
  // The view ends inside a longer buffer: "SQRT(" must not match the "(" that lies past its end.
  const std::string buffer = "SQRT(4)";
  EXPECT_EQ(MatchName(std::string_view(buffer).substr(0, 4), 0), nullptr);
  EXPECT_EQ(MatchName(std::string_view(buffer).substr(0, 5), 0)->name, "SQRT(");
}

}  // namespace
}  // namespace calcorix::test
