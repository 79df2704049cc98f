#pragma once

#include <math.h>

#include "arith/checked.hpp"

// The C library's long double functions as checked steps of a formula. Each is one step: its
// flags, raised in the x87 status word or, for some special cases (logl(0), sqrtl(-1)), in MXCSR,
// become EInvalidOp / EDivByZero / EOverflow right here, before the next step runs.

namespace calcorix::steps {

inline long double Exp(long double x) {
  return Checked([](long double v) { return expl(v); }, x);
}

inline long double Ln(long double x) {
  return Checked([](long double v) { return logl(v); }, x);
}

inline long double SquareRoot(long double x) {
  return Checked([](long double v) { return sqrtl(v); }, x);
}

inline long double Sine(long double x) {
  return Checked([](long double v) { return sinl(v); }, x);
}

inline long double Cosine(long double x) {
  return Checked([](long double v) { return cosl(v); }, x);
}

inline long double ArcSine(long double x) {
  return Checked([](long double v) { return asinl(v); }, x);
}

inline long double ArcCosine(long double x) {
  return Checked([](long double v) { return acosl(v); }, x);
}

inline long double ArcTangent(long double x) {
  return Checked([](long double v) { return atanl(v); }, x);
}

}  // namespace calcorix::steps
