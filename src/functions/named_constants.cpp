#include "functions/named_constants.hpp"

#include "arith/checked.hpp"
#include "arith/constants.hpp"
#include "settings/settings.hpp"

namespace calcorix {

void RecordPrintedResult(long double value) noexcept {
  answerValue = value;
  try {
    memoryValue = Add(memoryValue, value);
  } catch (const EOverflow&) {
    // The grand total stays where it was; the printed result stands.
  } catch (const EInvalidOp&) {
    // Only a non-finite value could get here, and no printed result is one.
  }
}

long double PI() {
  return kPi;
}

long double LI() {
  return settings.loopValue;
}

long double ANS() {
  return answerValue;
}

long double MEM() {
  return memoryValue;
}

}  // namespace calcorix
