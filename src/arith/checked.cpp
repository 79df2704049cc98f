#include "arith/checked.hpp"

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

namespace calcorix {

void PrepareArithmeticUnit() {
  // x87 control word: all six exceptions masked, 64-bit precision, round to nearest.
  const std::uint16_t control = 0x037F;
  __asm__ volatile("fldcw %0" : : "m"(control));
  // SSE: all exceptions masked, round to nearest, no flush-to-zero.
  const std::uint32_t mxcsr = 0x1F80;
  __asm__ volatile("ldmxcsr %0" : : "m"(mxcsr));
  fpu::ClearFlags();
}

}  // namespace calcorix
