#include "driver/name_completion.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace calcorix::test {
namespace {

TEST(NameCompletion, CompletesTheNameBeforeTheCursor) {
  struct Case {
    std::string_view before;
    std::string_view after;
    std::size_t wordLength;
    std::string_view replacement;
    std::vector<std::string_view> candidates;
  };
  const Case cases[] = {
      {"sq", "", 2, "SQR", {"SQR(", "SQRT("}},
      {"SQRT", "", 4, "SQRT(", {"SQRT("}},
      {"2*Sin", "", 3, "SIN", {"SIN(", "SINH("}},
      {"si", "", 2, "SI", {"SI(", "SIN(", "SINH("}},
      {"3log", "", 3, "LOG", {"LOG(", "LOG2("}},
      {"exp1", "", 4, "EXP10(", {"EXP10("}},
      {"1.5e", "", 1, "EXP", {"EXP(", "EXP10("}},
      {"1+p", "", 1, "P", {"PI", "POW2("}},
      {"(an", "", 2, "ANS", {"ANS"}},
      {"me", "+1", 2, "MEM", {"MEM"}},
      {"2*l", "", 1, "L", {"LI", "LN(", "LOG(", "LOG2("}},
      // A "(" already after the cursor is not doubled.
      {"2*sqrt", "(2)", 4, "SQRT", {"SQRT("}},
      {"2*sq", "(2)", 2, "SQR", {"SQR(", "SQRT("}},
      // Only the word before the cursor counts.
      {"co", "s(1)", 2, "CO", {"COS(", "COSH(", "COT(", "COTH("}},
      {"xyz", "", 3, "", {}},
      {"sqrtx", "", 5, "", {}},
      {"12", "", 0, "", {}},  // a number, not a name
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.before) + "|" + std::string(c.after));
    const NameCompletion completion = CompleteName(c.before, c.after);
    EXPECT_EQ(completion.wordLength, c.wordLength);
    EXPECT_EQ(completion.replacement, c.replacement);
    EXPECT_EQ(completion.candidates, c.candidates);
  }
}

TEST(NameCompletion, NoWordFitsEveryName) {
  for (std::string_view before : {"", "2+", "sin(", "1 "}) {
    SCOPED_TRACE(before);
    const NameCompletion completion = CompleteName(before, "");
    EXPECT_EQ(completion.wordLength, 0u);
    EXPECT_EQ(completion.replacement, "");
    EXPECT_EQ(completion.candidates.size(), 42u);
  }
}

TEST(NameCompletion, CandidateListFillsTheWidth) {
  const std::vector<std::string_view> names = {"SQR(", "SQRT(", "SIN("};
  EXPECT_EQ(CandidateList(names, 80), "\r\nSQR(   SQRT(  SIN(\r\n");
  EXPECT_EQ(CandidateList(names, 14), "\r\nSQR(   SQRT(\r\nSIN(\r\n");
  EXPECT_EQ(CandidateList(names, 3), "\r\nSQR(\r\nSQRT(\r\nSIN(\r\n");
}

}  // namespace
}  // namespace calcorix::test
