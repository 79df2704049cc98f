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

namespace {

// x87 control word: all six exceptions masked, 64-bit precision, round to nearest.
constexpr std::uint16_t kControlWord = 0x037F;
// SSE: all exceptions masked, round to nearest, no flush-to-zero, denormals not treated as zero.
constexpr std::uint32_t kSseControl = 0x1F80;
constexpr std::uint32_t kSseFlags = 0x3F;

std::uint16_t ControlWord() {
  std::uint16_t control;
  __asm__ volatile("fnstcw %0" : "=m"(control));
  return control;
}

void LoadControlWord(std::uint16_t control) {
  __asm__ volatile("fldcw %0" : : "m"(control));
}

void LoadSseState(std::uint32_t mxcsr) {
  __asm__ volatile("ldmxcsr %0" : : "m"(mxcsr));
}

}  // namespace

void PrepareArithmeticUnit() {
  LoadControlWord(kControlWord);
  LoadSseState(kSseControl);
  fpu::ClearFlags();
}

ArithmeticUnitScope::ArithmeticUnitScope() : control_(ControlWord()), sseState_(fpu::SseStatus()) {
  if ((fpu::StatusWord() & 0x3F) != 0) {
    // fnstenv masks every exception after storing; the control word is loaded below anyway.
    __asm__ volatile("fnstenv %0" : "=m"(environment_));
    environmentSaved_ = true;
  }
  if (control_ != kControlWord || environmentSaved_) LoadControlWord(kControlWord);
  if ((sseState_ & ~kSseFlags) != kSseControl) LoadSseState(kSseControl | (sseState_ & kSseFlags));
}

ArithmeticUnitScope::~ArithmeticUnitScope() {
  if (environmentSaved_) {
    __asm__ volatile("fldenv %0" : : "m"(environment_));
  } else {
    __asm__ volatile("fnclex");
    if (control_ != kControlWord) LoadControlWord(control_);
  }
  LoadSseState(sseState_);
}

}  // namespace calcorix
