#pragma once

// The hyperbolic functions and their inverses, from e^x and ln(x) in 80-bit, step by step in the
// order written, through the checked arithmetic.

namespace calcorix {

// SINH: for 0 < |x| < 1, (E + E / (E + 1)) / 2 with E = e^|x| - 1 (expm1) and the sign of x, which
// keeps every digit down to the smallest x (SINH(1E-20) is 1E-20); otherwise (e^x - e^(-x)) / 2.
// COSH: (e^(-x) + e^x) / 2. Both exponentials are computed, so either function raises EOverflow
// once |x| is beyond about 11356.5, whatever the sign of x.
long double SINH(long double x);
long double COSH(long double x);

// SINH(x) / COSH(x) and COSH(x) / SINH(x); for |x| >= 64, where both are 1 in every bit, exactly 1
// with the sign of x, so TANH(12000) is 1 and COTH(-1E4000) is -1. Errors: COTH(0) is EDivByZero;
// COTH of a denormal x overflows (its value is beyond the 80-bit range).
long double TANH(long double x);
long double COTH(long double x);

// ln(x + sqrt(x * x + 1)); a negative x gives -ASINH(-x). Errors: EOverflow when x * x exceeds the
// 80-bit range (|x| beyond about 1E2466).
long double ASINH(long double x);

// ln(x + sqrt(x * x - 1)). Errors: EInvalidOp for -1 < x < 1 (square root of a negative number)
// and for x <= -1 (logarithm of a negative number); EOverflow as ASINH.
long double ACOSH(long double x);

// ln((1 + x) / (1 - x)) / 2. Errors: EDivByZero for x = 1 and x = -1; EInvalidOp for |x| > 1.
long double ATANH(long double x);

}  // namespace calcorix
