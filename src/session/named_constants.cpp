#include "session/named_constants.hpp"

#include "arith/checked.hpp"
#include "arith/constants.hpp"

namespace calcorix {

void RecordPrintedResult(Session& session, long double value) noexcept {
  session.answerValue = value;
  try {
    session.memoryValue = Add(session.memoryValue, value);
  } catch (const EOverflow&) {
    // The grand total stays where it was; the printed result stands.
  } catch (const EInvalidOp&) {
    // Only a non-finite value could get here, and no printed result is one.
  }
}

long double PI(const Session&) {
  return kPi;
}

long double LI(const Session& session) {
  return session.loopValue;
}

long double ANS(const Session& session) {
  return session.answerValue;
}

long double MEM(const Session& session) {
  return session.memoryValue;
}

}  // namespace calcorix
