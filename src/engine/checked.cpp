#include "engine/checked.hpp"

namespace calcorix::fpu {

void ClearFlags() {
  __asm__ volatile("fnclex");
  std::uint32_t mxcsr = SseStatus();
  if (mxcsr & kTrapped) {
    mxcsr &= ~static_cast<std::uint32_t>(kTrapped);
    __asm__ volatile("ldmxcsr %0" : : "m"(mxcsr));
  }
}

void RaiseFromFlags(std::uint16_t flags) {
  ClearFlags();
  if (flags & kInvalid) throw EInvalidOp();
  if (flags & kDivByZero) throw EDivByZero();
  throw EOverflow();
}

}  // namespace calcorix::fpu
