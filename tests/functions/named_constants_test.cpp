#include "functions/named_constants.hpp"

#include <gtest/gtest.h>

#include <cfloat>

#include "arith/checked.hpp"
#include "evaluate.hpp"

namespace calcorix {
namespace {

using testing::Evaluate;

class PrintedResults : public ::testing::Test {
 protected:
  void SetUp() override { answerValue = memoryValue = 0; }
  void TearDown() override { answerValue = memoryValue = 0; }
};

TEST_F(PrintedResults, AnsIsTheLastAndMemTheGrandTotal) {
  struct Step {
    long double printed;
    long double answer;
    long double memory;
  };
  const Step steps[] = {
      {2.5L, 2.5L, 2.5L},
      {-1, -1, 1.5L},
      {0, 0, 1.5L},
      {10, 10, 11.5L},
  };
  for (const Step& s : steps) {
    RecordPrintedResult(s.printed);
    EXPECT_EQ(Evaluate("ANS").value, s.answer) << s.printed;
    EXPECT_EQ(Evaluate("MEM").value, s.memory) << s.printed;
  }
}

TEST_F(PrintedResults, AnOverflowingTotalKeepsMemAndStillSetsAns) {
  const long double big = LDBL_MAX / 4 * 3;
  for (const long double sign : {1.0L, -1.0L}) {
    answerValue = memoryValue = 0;
    RecordPrintedResult(sign * big);
    RecordPrintedResult(sign * big);  // 1.5 * LDBL_MAX: beyond the range
    EXPECT_EQ(answerValue, sign * big);
    EXPECT_EQ(memoryValue, sign * big);
    // Nothing is left pending that a later step could be blamed for.
    EXPECT_EQ(fpu::PendingFlags<true>(), 0);
    RecordPrintedResult(-sign * big);
    EXPECT_EQ(memoryValue, 0);
  }
}

}  // namespace
}  // namespace calcorix
