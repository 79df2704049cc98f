#pragma once

#include <cstdint>
#include <type_traits>

#include "arith/errors.hpp"
#include "arith/float80.hpp"

// Checked 80-bit arithmetic. Every step that can go wrong runs through Checked(), which reads the
// arithmetic unit's own exception flags around it: invalid operation raises EInvalidOp, division
// by zero EDivByZero, overflow EOverflow. Underflow, denormal operands and inexact results are not
// errors (tiny results become denormal or zero).
//
// Where the flags live: 80-bit operations raise them in the x87 status word, but the C library's
// long double functions answer some special cases (logl(0), sqrtl(-1)) with SSE arithmetic, which
// raises them in MXCSR instead. Library calls therefore read both; the four basic operations,
// single x87 instructions, read the x87 word alone.
//
// Not every C library raises the flags: MinGW-w64's expl(11357) and sqrtl(-1) raise none. So a
// library step whose finite arguments give an infinite result is an overflow, and one that gives a
// NaN an invalid operation, whatever the flags say; where the flags are raised (glibc) they agree.
// A pole gives an infinity too, so the steps that have one (the logarithm of 0) check for it
// before the call.
//
// The barrier: the compiler treats floating-point operations as free of side effects and may move
// them across the flag reads. Checked() pins each operand after the first read and the result
// before the second with empty volatile asm statements that name the values; volatile asm keeps
// its order, so the operation must run between the two reads. Nothing else in the program reads
// or clears the flags.

namespace calcorix {

namespace fpu {

inline constexpr std::uint16_t kInvalid = 0x01;
inline constexpr std::uint16_t kDivByZero = 0x04;
inline constexpr std::uint16_t kOverflow = 0x08;
inline constexpr std::uint16_t kTrapped = kInvalid | kDivByZero | kOverflow;

inline std::uint16_t StatusWord() {
  std::uint16_t status;
  __asm__ volatile("fnstsw %0" : "=a"(status));
  return status;
}

inline std::uint32_t SseStatus() {
  std::uint32_t mxcsr;
  __asm__ volatile("stmxcsr %0" : "=m"(mxcsr));
  return mxcsr;
}

// The trapped flags raised in either unit (the bit positions are the same in both).
template <bool withSse>
inline std::uint16_t PendingFlags() {
  std::uint32_t flags = StatusWord();
  if constexpr (withSse) flags |= SseStatus();
  return static_cast<std::uint16_t>(flags & kTrapped);
}

void ClearFlags();

template <class T>
inline void Pin(T& value) {
  if constexpr (std::is_same_v<T, long double>) {
    __asm__ volatile("" : "+t"(value));
  } else {
    __asm__ volatile("" : "+g"(value));
  }
}

// Clears the flags of both units and throws the error that `flags` stand for.
[[noreturn]] void RaiseFromFlags(std::uint16_t flags);

// Throws the error that a library step's infinite or NaN result from finite arguments stands for.
template <class... Args>
inline void RaiseFromResult(long double result, Args... args) {
  if (__builtin_isfinite(result) || !(__builtin_isfinite(args) && ...)) return;
  if (__builtin_isnan(result)) throw EInvalidOp();
  throw EOverflow();
}

template <bool withSse, class Op, class... Args>
inline long double CheckedStep(Op op, Args... args) {
  // Flags left by unchecked code (a comparison, a library call outside any calculation) must not
  // be blamed on this operation.
  if (fpu::PendingFlags<withSse>() != 0) fpu::ClearFlags();
  (fpu::Pin(args), ...);
  long double result = op(args...);
  fpu::Pin(result);
  const std::uint16_t flags = fpu::PendingFlags<withSse>();
  if (flags != 0) fpu::RaiseFromFlags(flags);
  if constexpr (withSse) RaiseFromResult(result, args...);
  return result;
}

}  // namespace fpu

// Puts the unit into the state every calculation assumes: 64-bit significand, rounding to nearest
// with ties to even, every exception masked (errors are read from the flags, never trapped), no
// flag raised. Called once at start-up.
void PrepareArithmeticUnit();

// For a calculation inside someone else's program: sets the control words every calculation
// assumes for its lifetime, and afterwards gives back the caller's control words and the exception
// flags the caller had raised (the calculation's own flags are not left behind). Costs a few
// instructions when the caller already runs in that state.
class ArithmeticUnitScope {
 public:
  ArithmeticUnitScope();
  ~ArithmeticUnitScope();
  ArithmeticUnitScope(const ArithmeticUnitScope&) = delete;
  ArithmeticUnitScope& operator=(const ArithmeticUnitScope&) = delete;

 private:
  std::uint16_t control_ = 0;
  std::uint32_t sseState_ = 0;
  bool environmentSaved_ = false;
  unsigned char environment_[28] = {};  // the x87 environment, when the caller had raised flags
};

// Runs op(args...), typically a call of the C library's long double functions, and raises the
// error of the arithmetic unit if the step trapped.
template <class Op, class... Args>
inline long double Checked(Op op, Args... args) {
  return fpu::CheckedStep<true>(op, args...);
}

inline long double Add(long double a, long double b) {
  return fpu::CheckedStep<false>([](long double x, long double y) { return x + y; }, a, b);
}

inline long double Sub(long double a, long double b) {
  return fpu::CheckedStep<false>([](long double x, long double y) { return x - y; }, a, b);
}

inline long double Mul(long double a, long double b) {
  return fpu::CheckedStep<false>([](long double x, long double y) { return x * y; }, a, b);
}

inline long double Div(long double a, long double b) {
  return fpu::CheckedStep<false>([](long double x, long double y) { return x / y; }, a, b);
}

}  // namespace calcorix
