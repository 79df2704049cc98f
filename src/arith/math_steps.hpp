#pragma once

#include <math.h>

#include "arith/checked.hpp"

// The C library's long double functions as checked steps of a formula. Each is one step: its
// flags, raised in the x87 status word or, for some special cases (logl(0), sqrtl(-1)), in MXCSR,
// or its infinite or NaN result, become EInvalidOp / EDivByZero / EOverflow right here, before the
// next step runs. Arguments outside a function's domain are refused before the call, so that the
// kind of error never depends on how a library answers them.

namespace calcorix::steps {

inline long double Exp(long double x) {
  return Checked([](long double v) { return expl(v); }, x);
}

// e^x - 1 without the cancellation of Exp(x) - 1 near 0.
inline long double ExpMinusOne(long double x) {
  return Checked([](long double v) { return expm1l(v); }, x);
}

// base^exponent as the library computes it in one step, correctly signed for a negative base with
// a whole exponent.
inline long double Power(long double base, long double exponent) {
  return Checked([](long double b, long double e) { return powl(b, e); }, base, exponent);
}

// x - n * divisor for the whole n that truncates x / divisor: exact, whatever the magnitude of x.
inline long double Remainder(long double x, long double divisor) {
  return Checked([](long double v, long double d) { return fmodl(v, d); }, x, divisor);
}

// Errors: EDivByZero for x = 0 (either sign), EInvalidOp for x < 0.
inline long double Ln(long double x) {
  if (x == 0) throw EDivByZero();
  if (x < 0) throw EInvalidOp();
  return Checked([](long double v) { return logl(v); }, x);
}

// Errors: EInvalidOp for x < 0 (sqrt(-0) is -0).
inline long double SquareRoot(long double x) {
  if (x < 0) throw EInvalidOp();
  return Checked([](long double v) { return sqrtl(v); }, x);
}

inline long double Sine(long double x) {
  return Checked([](long double v) { return sinl(v); }, x);
}

inline long double Cosine(long double x) {
  return Checked([](long double v) { return cosl(v); }, x);
}

// Errors: EInvalidOp for |x| > 1.
inline long double ArcSine(long double x) {
  if (x > 1 || x < -1) throw EInvalidOp();
  return Checked([](long double v) { return asinl(v); }, x);
}

// Errors: EInvalidOp for |x| > 1.
inline long double ArcCosine(long double x) {
  if (x > 1 || x < -1) throw EInvalidOp();
  return Checked([](long double v) { return acosl(v); }, x);
}

inline long double ArcTangent(long double x) {
  return Checked([](long double v) { return atanl(v); }, x);
}

}  // namespace calcorix::steps
