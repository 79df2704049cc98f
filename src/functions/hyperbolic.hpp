#pragma once

// The hyperbolic functions and their inverses, from e^x and ln(x) in 80-bit, step by step in the
// order written, through the checked arithmetic.

namespace calcorix {

// (e^x - e^(-x)) / 2 and (e^(-x) + e^x) / 2. Both exponentials are computed, so either function
// raises EOverflow once |x| is beyond about 11356.5, whatever the sign of x.
long double SINH(long double x);
long double COSH(long double x);

// SINH(x) / COSH(x) and COSH(x) / SINH(x). Errors: EOverflow beyond |x| of about 11356.5 (so
// TANH(12000) is an error, not 1); COTH(0) is EDivByZero.
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
