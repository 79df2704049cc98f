#include "session/named_constants.hpp"

#include <gtest/gtest.h>

#include <cfloat>

#include "arith/checked.hpp"

namespace calcorix::test {
namespace {

class PrintedResults : public ::testing::Test {
 protected:
  Session session;
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
    RecordPrintedResult(session, s.printed);
    EXPECT_EQ(ANS(session), s.answer) << s.printed;
    EXPECT_EQ(MEM(session), s.memory) << s.printed;
  }
}

TEST_F(PrintedResults, AnOverflowingTotalKeepsMemAndStillSetsAns) {
  const long double big = LDBL_MAX / 4 * 3;
  for (const long double sign : {1.0L, -1.0L}) {
    session = Session{};
    RecordPrintedResult(session, sign * big);
    RecordPrintedResult(session, sign * big);  // 1.5 * LDBL_MAX: beyond the range
    EXPECT_EQ(session.answerValue, sign * big);
    EXPECT_EQ(session.memoryValue, sign * big);
    // Nothing is left pending that a later step could be blamed for.
    EXPECT_EQ(fpu::PendingFlags<true>(), 0);
    RecordPrintedResult(session, -sign * big);
    EXPECT_EQ(session.memoryValue, 0);
  }
}

}  // namespace
}  // namespace calcorix::test
